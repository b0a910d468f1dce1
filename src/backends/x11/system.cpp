// The system: its version, the current directory, the plain files of a folder, whole
// files. File names cross the port as their own bytes (UTF-8 on any current system).

#include <sys/utsname.h>
#include <unistd.h>

#include <cstdlib>

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
    std::string dir = cwd;
    free(cwd);
    return dir;
}

bool X11Platform::setCurrentDirectory(const std::string& dir) { return chdir(dir.c_str()) == 0; }

std::vector<std::string> X11Platform::listFiles(const std::string& folder) { return plainFilesIn(folder); }

std::optional<std::string> X11Platform::readFile(const std::string& name, size_t maxBytes) {
    return readWholeFile(name, maxBytes);
}

WriteResult X11Platform::writeFile(const std::string& name, const std::string& bytes) {
    return replaceWholeFile(name, bytes, FileAccess::Usual);
}

}  // namespace zv::x11
