// Whole files on a POSIX file system.
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "platform/text.h"
#include "platform/whole_file.h"
#include "platform/whole_file_shared.h"

namespace zv {

using whole_file::nextTemporaryNumber;
using whole_file::writeInHalves;

namespace {

WriteResult failure(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG: return {WriteFailure::DiskFull, {}};
        case EACCES:
        case EPERM:
        case EROFS:
        case ETXTBSY: return {WriteFailure::NoPermission, {}};
        case ENOENT:
        case ENOTDIR: return {WriteFailure::NoFolder, {}};
        case ENAMETOOLONG:
        case EINVAL:
        case EILSEQ:
        case EISDIR: return {WriteFailure::RefusedName, {}};
        default: return {WriteFailure::Other, utf8ToCp1252(std::strerror(error))};
    }
}

std::string folderOf(const std::string& name) {
    const size_t slash = name.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? std::string("/") : name.substr(0, slash);
}

// The file a link leads to, links after links, so that replacing it keeps the link.
std::string followLinks(std::string name) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (lstat(name.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return name;
        std::string target(static_cast<size_t>(st.st_size > 0 ? st.st_size : PATH_MAX), '\0');
        const ssize_t n = readlink(name.c_str(), target.data(), target.size());
        if (n <= 0) return name;
        target.resize(static_cast<size_t>(n));
        name = target[0] == '/' ? target : folderOf(name) + "/" + target;
    }
    return name;
}

bool writeAll(int fd, const std::string& bytes, int& error) {
    return writeInHalves(bytes, [&](const char* data, size_t size) -> long long {
        const ssize_t n = write(fd, data, size);
        if (n >= 0) return n;
        if (errno == EINTR) return 0;
        error = errno;
        return -1;
    });
}

}  // namespace

WriteResult replaceWholeFile(const NativeName& given, const std::string& bytes, FileAccess access) {
    const std::string name = followLinks(given);
    struct stat old {};
    const bool exists = stat(name.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) return {WriteFailure::RefusedName, {}};
    if (exists && ((old.st_mode & 0222) == 0 || faccessat(AT_FDCWD, name.c_str(), W_OK, AT_EACCESS) != 0))
        return {WriteFailure::NoPermission, {}};
    const std::string folder = folderOf(name);
    struct stat folderStat {};
    if (stat(folder.c_str(), &folderStat) != 0) return failure(errno);
    if (!S_ISDIR(folderStat.st_mode)) return {WriteFailure::NoFolder, {}};

    // A dot file: folder listings pass over it while it exists.
    const std::string temporary = folder + "/.zentavoro-" + std::to_string(getpid()) + "-" +
                                  std::to_string(nextTemporaryNumber()) + ".tmp";
    const mode_t mode = access == FileAccess::OwnerOnly ? 0600 : 0666;
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0) return failure(errno);
    if (exists) (void)fchown(fd, old.st_uid, old.st_gid);   // as far as this user may keep them
    if (access == FileAccess::OwnerOnly)
        fchmod(fd, 0600);
    else if (exists)
        fchmod(fd, old.st_mode & 07777);   // the permissions the user gave the old file
    int error = 0;
    bool ok = writeAll(fd, bytes, error);
    if (ok && fsync(fd) != 0) {
        error = errno;
        ok = false;
    }
    if (close(fd) != 0 && ok) {
        error = errno;
        ok = false;
    }
    if (ok && rename(temporary.c_str(), name.c_str()) != 0) {
        error = errno;
        ok = false;
    }
    if (!ok) {
        unlink(temporary.c_str());
        return failure(error);
    }
    // The rename itself reaches the disk with the folder.
    if (const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return {};
}

std::optional<std::string> readWholeFile(const NativeName& name, size_t maxBytes) {
    const int fd = open(name.c_str(), O_RDONLY | O_CLOEXEC);
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

bool removeFile(const NativeName& name) { return unlink(name.c_str()) == 0 || errno == ENOENT; }

}  // namespace zv
