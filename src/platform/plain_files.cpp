#include "platform/plain_files.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace zv {

#ifdef _WIN32

std::vector<std::wstring> plainFilesIn(const std::wstring& folder) {
    std::vector<std::wstring> names;
    std::wstring pattern = folder;
    if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
    pattern += L"*";
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY)) continue;
        names.emplace_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

#else

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

#endif

}  // namespace zv
