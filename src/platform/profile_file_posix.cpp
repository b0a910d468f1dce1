// The settings file's access to a POSIX file system.
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/profile_file.h"

namespace zv::profile_file {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

ReadOutcome readFile(const std::string& path, std::string& bytes) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? ReadOutcome::missing : ReadOutcome::failed;
    bytes.clear();
    struct stat st {};
    if (fstat(fd, &st) == 0 && st.st_size > static_cast<off_t>(kLargestSettingsFile)) {
        close(fd);
        return ReadOutcome::tooLarge;
    }
    bytes.reserve(static_cast<size_t>(st.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got > 0) {
            bytes.append(chunk, static_cast<size_t>(got));
            if (bytes.size() > kLargestSettingsFile) {  // it grew while we read
                close(fd);
                return ReadOutcome::tooLarge;
            }
        } else if (got == 0) {
            break;
        } else if (errno != EINTR) {
            close(fd);
            return ReadOutcome::failed;
        }
    }
    close(fd);
    return ReadOutcome::read;
}

bool isDirectory(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Private to the user: the settings say how the user works the computer.
bool makeDirectory(const std::string& path) { return mkdir(path.c_str(), 0700) == 0; }

ProfileWriteError writeErrorOf(int error) {
    switch (error) {
    case EROFS:
        return ProfileWriteError::ReadOnlyDisk;
    case EACCES:
    case EPERM:
        return ProfileWriteError::NoPermission;
    case ENOSPC:
    case EDQUOT:
        return ProfileWriteError::DiskFull;
    case ENOENT:
    case ENOTDIR:
        return ProfileWriteError::NoFolder;
    case EFBIG:
        return ProfileWriteError::TooLarge;
    default:
        return ProfileWriteError::Other;
    }
}

ProfileWriteError lastWriteError() { return writeErrorOf(errno); }

// A carer locks the settings by taking away the write permission: that holds for root as
// well, who may write anything, and for a user who is not the file's owner.
ProfileWriteError readOnly(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return ProfileWriteError::NoError;
    if ((st.st_mode & 0222) == 0) return ProfileWriteError::ReadOnlyFile;
    if (faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0) return ProfileWriteError::NoError;
    return errno == EROFS ? ProfileWriteError::ReadOnlyDisk : ProfileWriteError::ReadOnlyFile;
}

void removeTemporaryFiles(const std::string& file) {
    const auto [folder, base] = folderAndName(file);
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return;
    const std::string prefix = folder.empty() ? "" : folder + "/";
    while (const dirent* entry = readdir(dir))
        if (isTemporaryOf(entry->d_name, base)) unlink((prefix + entry->d_name).c_str());
    closedir(dir);
}

// The lock file holds nothing: a read-only descriptor carries the lock as well, so any
// user who may read the file can lock it, whoever created it.
int openLockFile(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0) {
        fchmod(fd, 0644);  // whatever this writer's umask
        return fd;
    }
    if (errno != EEXIST) return -1;
    fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0 || errno != EACCES) return fd;
    // Made by another user under a strict umask: put a readable one in its place. A writer
    // holding the old one at this very moment is not waited for, once.
    const std::string fresh = temporaryName(path);
    const int made = open(fresh.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (made < 0) return -1;
    fchmod(made, 0644);
    close(made);
    if (rename(fresh.c_str(), path.c_str()) != 0) {
        unlink(fresh.c_str());
        return -1;
    }
    return open(path.c_str(), O_RDONLY | O_CLOEXEC);
}

bool writeAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

ProfileWriteError replaceFile(const std::string& path, const std::string& bytes) {
    const std::string temporary = temporaryName(path);
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return lastWriteError();
    // The new file keeps the permissions the user gave the old one; a first one is private.
    struct stat old {};
    fchmod(fd, stat(path.c_str(), &old) == 0 ? old.st_mode & 07777 : 0600);
    ProfileWriteError error = ProfileWriteError::NoError;
    if (!writeAll(fd, bytes) || fsync(fd) != 0) error = lastWriteError();
    if (close(fd) != 0 && error == ProfileWriteError::NoError) error = lastWriteError();
    if (error == ProfileWriteError::NoError) {
        if (rename(temporary.c_str(), path.c_str()) == 0) return ProfileWriteError::NoError;
        error = lastWriteError();
    }
    unlink(temporary.c_str());
    return error;
}

unsigned long processId() { return static_cast<unsigned long>(getpid()); }

bool isSeparator(char c) { return c == '/'; }

namespace {
std::mutex processWriteLock;
}  // namespace

WriteLock::WriteLock(const std::string& lockPath) {
    processWriteLock.lock();
    const int fd = openLockFile(lockPath);
    lockFile_ = fd;
    if (fd < 0) {
        error_ = lastWriteError();
        return;
    }
    int result;
    while ((result = flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
    }
    locked_ = result == 0;
    if (!locked_) error_ = lastWriteError();
}

WriteLock::~WriteLock() {
    if (lockFile_ >= 0) close(static_cast<int>(lockFile_));  // closing releases the lock
    processWriteLock.unlock();
}

}  // namespace zv::profile_file

namespace zv {

std::string settingsFilePath() {
    if (std::string path = profile_file::environment("ZENTAVORO_INI"); !path.empty()) return path;
    std::string base = profile_file::environment("XDG_CONFIG_HOME");
    // Relative values are to be ignored, the base directory rules say.
    if (base.empty() || base[0] != '/') {
        std::string home = profile_file::environment("HOME");
        if (home.empty()) {
            if (const passwd* user = getpwuid(getuid()); user && user->pw_dir) home = user->pw_dir;
        }
        base = home + "/.config";
    }
    return base + "/zentavoro/Zentavoro.ini";
}

}  // namespace zv
