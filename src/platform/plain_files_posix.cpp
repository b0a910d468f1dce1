// The listing of a folder on POSIX systems.

#include <dirent.h>
#include <sys/stat.h>

#include "platform/plain_files.h"

namespace zv {

std::vector<std::string> plainFilesIn(const std::string& folder) {
    std::vector<std::string> names;
    const std::string dir = folder.empty() ? std::string(".") : folder;
    DIR* d = opendir(dir.c_str());
    if (!d) return names;
    while (dirent* e = readdir(d)) {
        std::string name = e->d_name;
        if (name.empty() || name[0] == '.') continue;
        // The folder entry mostly tells the kind itself; a link or an unknown kind is
        // looked up, which costs a call per file in a folder of thousands.
        if (e->d_type != DT_REG) {
            struct stat st {};
            if (stat((dir + "/" + name).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        }
        names.push_back(std::move(name));
    }
    closedir(d);
    return names;
}

}  // namespace zv
