// The system: its version, the current directory, the plain files of a folder, whole
// files. Names cross the port in code page 1252; on disk they are UTF-8, and a name
// the code page cannot hold is remembered with its real bytes so that it still opens.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <fstream>
#include <sstream>

#include "backends/x11/conversions.h"
#include "backends/x11/x11_platform.h"
#include "platform/plain_files.h"
#include "platform/text.h"
#include "platform/whole_file.h"

namespace zv::x11 {

std::string X11Platform::systemName(const std::string& native) {
    std::string name = utf8ToCp1252(native);
    if (cp1252ToUtf8(name) != native) nativeNames_[name] = native;
    return name;
}

std::string X11Platform::nativeName(const std::string& name) const {
    if (auto it = nativeNames_.find(name); it != nativeNames_.end()) return it->second;
    // A remembered file in a folder the code page can hold.
    if (auto slash = name.rfind('/'); slash != std::string::npos) {
        if (auto it = nativeNames_.find(name.substr(slash + 1)); it != nativeNames_.end())
            return cp1252ToUtf8(name.substr(0, slash + 1)) + it->second;
    }
    return cp1252ToUtf8(name);
}

VersionInfo X11Platform::version() {
    utsname u{};
    if (uname(&u) != 0) return versionFromKernel("Linux", "");
    return versionFromKernel(systemName(u.sysname), systemName(u.release));
}

std::string X11Platform::currentDirectory() {
    char* cwd = getcwd(nullptr, 0);
    if (!cwd) return {};
    std::string dir = systemName(cwd);
    free(cwd);
    return dir;
}

bool X11Platform::setCurrentDirectory(const std::string& dir) { return chdir(nativeName(dir).c_str()) == 0; }

std::vector<std::string> X11Platform::listFiles(const std::string& folder) {
    std::vector<std::string> names;
    for (const std::string& native : plainFilesIn(folder.empty() ? std::string() : nativeName(folder)))
        names.push_back(systemName(native));
    return names;
}

std::optional<std::string> X11Platform::readFile(const std::string& name, size_t maxBytes) {
    const int fd = open(nativeName(name).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    std::string bytes;
    bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<uintmax_t>(st.st_size) <= maxBytes;
    if (ok) bytes.reserve(static_cast<size_t>(st.st_size));
    char chunk[65536];
    while (ok) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got == 0) break;
        if (got < 0) {
            ok = errno == EINTR;
            continue;
        }
        bytes.append(chunk, static_cast<size_t>(got));
        ok = bytes.size() <= maxBytes;  // it grew while we read
    }
    close(fd);
    if (!ok) return std::nullopt;
    return bytes;
}

WriteResult X11Platform::writeFile(const std::string& name, const std::string& bytes) {
    return replaceWholeFile(nativeName(name), bytes, FileAccess::Usual);
}

}  // namespace zv::x11
