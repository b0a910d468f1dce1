#include "platform/profile.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>

#include "platform/profile_document.h"
#include "platform/text.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <mutex>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

// The program and the hook library write this file at the same time, each from its own
// process. A write therefore takes an exclusive lock on a side file (the settings file
// itself is replaced by every write, so it cannot carry the lock), reads the file afresh,
// and puts the new text in place by renaming a complete temporary file over it: a reader
// sees the old file or the new one, never a part. A writer killed before its rename
// leaves its temporary file behind; since temporary files only exist while their writer
// holds the lock, whoever holds it next may remove every one it finds.

namespace zv {

namespace {

enum class ReadOutcome { read, missing, failed, tooLarge };

constexpr const char* kTemporaryInfix = ".tmp.";

std::string temporaryName(const std::string& file) {
    static std::atomic<unsigned> counter{0};
#ifdef _WIN32
    const unsigned long pid = GetCurrentProcessId();
#else
    const unsigned long pid = static_cast<unsigned long>(getpid());
#endif
    return file + kTemporaryInfix + std::to_string(pid) + "." + std::to_string(counter++);
}

// Whether a name in the settings file's folder is one of temporaryName's for that file:
// the file's name, the infix, digits, a point, digits.
bool isTemporaryOf(const std::string& name, const std::string& base) {
    const std::string prefix = base + kTemporaryInfix;
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return false;
    const std::string rest = name.substr(prefix.size());
    const size_t point = rest.find('.');
    if (point == 0 || point == std::string::npos || point + 1 == rest.size()) return false;
    return std::all_of(rest.begin(), rest.end(), [&](char c) { return (c >= '0' && c <= '9') || c == '.'; }) &&
           rest.find('.', point + 1) == std::string::npos;
}

// Splits a path into its folder ("" for the current one) and its name.
std::pair<std::string, std::string> folderAndName(const std::string& file);

bool isSeparator(char c) {
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

#ifdef _WIN32

// Threads of one process are kept apart here as well, since some file systems lock
// per process rather than per open file. (A Windows lock, not std::mutex, so that the
// hook library needs no threads run-time library.)
class ProcessWriteLock {
public:
    ProcessWriteLock() { AcquireSRWLockExclusive(&lock_); }
    ~ProcessWriteLock() { ReleaseSRWLockExclusive(&lock_); }
    ProcessWriteLock(const ProcessWriteLock&) = delete;
    ProcessWriteLock& operator=(const ProcessWriteLock&) = delete;

private:
    static inline SRWLOCK lock_ = SRWLOCK_INIT;
};

std::wstring wide(const std::string& path) {
    const std::u16string utf16 = cp1252ToUtf16(path);
    return std::wstring(utf16.begin(), utf16.end());
}

std::string environment(const wchar_t* name) {
    wchar_t buffer[32768];
    const DWORD n = GetEnvironmentVariableW(name, buffer, 32768);
    if (n == 0 || n >= 32768) return {};
    return utf16ToCp1252(std::u16string(buffer, buffer + n));
}

ReadOutcome readFile(const std::string& path, std::string& bytes) {
    // Sharing delete lets a writer rename its new file over this one while we read.
    HANDLE h = CreateFileW(wide(path).c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ReadOutcome::missing
                                                                              : ReadOutcome::failed;
    }
    bytes.clear();
    LARGE_INTEGER size{};
    if (GetFileSizeEx(h, &size) && static_cast<unsigned long long>(size.QuadPart) > kLargestSettingsFile) {
        CloseHandle(h);
        return ReadOutcome::tooLarge;
    }
    bytes.reserve(static_cast<size_t>(size.QuadPart));
    char chunk[65536];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(h, chunk, sizeof chunk, &got, nullptr)) && got > 0) {
        bytes.append(chunk, got);
        if (bytes.size() > kLargestSettingsFile) break;  // it grew while we read
    }
    CloseHandle(h);
    if (!ok) return ReadOutcome::failed;
    return bytes.size() > kLargestSettingsFile ? ReadOutcome::tooLarge : ReadOutcome::read;
}

ProfileWriteError readOnly(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    const bool locked = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
    return locked ? ProfileWriteError::ReadOnlyFile : ProfileWriteError::NoError;
}

void removeTemporaryFiles(const std::string& file) {
    const auto [folder, base] = folderAndName(file);
    const std::string prefix = folder.empty() ? "" : folder + "\\";
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(wide(prefix + base + kTemporaryInfix + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::u16string name16(found.cFileName, found.cFileName + wcslen(found.cFileName));
        const std::string name = utf16ToCp1252(name16);
        if (isTemporaryOf(name, base)) DeleteFileW(wide(prefix + name).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

bool isDirectory(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool makeDirectory(const std::string& path) { return CreateDirectoryW(wide(path).c_str(), nullptr); }

ProfileWriteError writeErrorOf(DWORD error) {
    switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ProfileWriteError::DiskFull;
    case ERROR_WRITE_PROTECT:
        return ProfileWriteError::ReadOnlyDisk;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return ProfileWriteError::NoPermission;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_FILE_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_DIRECTORY:
        return ProfileWriteError::NoFolder;
    default:
        return ProfileWriteError::Other;
    }
}

ProfileWriteError lastWriteError() { return writeErrorOf(GetLastError()); }

class ExclusiveLock {
public:
    explicit ExclusiveLock(const std::string& path) {
        handle_ = CreateFileW(wide(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle_ == INVALID_HANDLE_VALUE) {
            error_ = lastWriteError();
            return;
        }
        OVERLAPPED whole{};
        locked_ = LockFileEx(handle_, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole);
        if (!locked_) error_ = lastWriteError();
    }
    ~ExclusiveLock() {
        if (handle_ == INVALID_HANDLE_VALUE) return;
        if (locked_) {
            OVERLAPPED whole{};
            UnlockFileEx(handle_, 0, MAXDWORD, MAXDWORD, &whole);
        }
        CloseHandle(handle_);
    }
    ExclusiveLock(const ExclusiveLock&) = delete;
    ExclusiveLock& operator=(const ExclusiveLock&) = delete;
    bool held() const { return locked_; }
    ProfileWriteError error() const { return error_; }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    bool locked_ = false;
    ProfileWriteError error_ = ProfileWriteError::Other;
};

ProfileWriteError replaceFile(const std::string& path, const std::string& bytes) {
    const std::string temporary = temporaryName(path);
    const std::wstring wideTemporary = wide(temporary);
    HANDLE h = CreateFileW(wideTemporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return lastWriteError();
    ProfileWriteError error = ProfileWriteError::NoError;
    size_t done = 0;
    while (error == ProfileWriteError::NoError && done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
        if (!WriteFile(h, bytes.data() + done, chunk, &written, nullptr) || written == 0) error = lastWriteError();
        done += written;
    }
    if (error == ProfileWriteError::NoError && !FlushFileBuffers(h)) error = lastWriteError();
    if (!CloseHandle(h) && error == ProfileWriteError::NoError) error = lastWriteError();
    if (error == ProfileWriteError::NoError) {
        // Another program (an editor, a virus scanner) may hold the file open without
        // sharing delete for a moment; give it a second.
        const std::wstring target = wide(path);
        for (int attempt = 0; attempt < 50; ++attempt) {
            if (MoveFileExW(wideTemporary.c_str(), target.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
                return ProfileWriteError::NoError;
            const DWORD code = GetLastError();
            error = writeErrorOf(code);
            if (code != ERROR_ACCESS_DENIED && code != ERROR_SHARING_VIOLATION && code != ERROR_LOCK_VIOLATION) break;
            Sleep(20);
        }
    }
    DeleteFileW(wideTemporary.c_str());
    return error;
}

#else

// Threads of one process are kept apart here as well, since some file systems lock
// per process rather than per open file.
class ProcessWriteLock {
public:
    ProcessWriteLock() { mutex().lock(); }
    ~ProcessWriteLock() { mutex().unlock(); }
    ProcessWriteLock(const ProcessWriteLock&) = delete;
    ProcessWriteLock& operator=(const ProcessWriteLock&) = delete;

private:
    static std::mutex& mutex() {
        static std::mutex m;
        return m;
    }
};

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

class ExclusiveLock {
public:
    explicit ExclusiveLock(const std::string& path) {
        fd_ = openLockFile(path);
        if (fd_ < 0) {
            error_ = lastWriteError();
            return;
        }
        int result;
        while ((result = flock(fd_, LOCK_EX)) != 0 && errno == EINTR) {
        }
        locked_ = result == 0;
        if (!locked_) error_ = lastWriteError();
    }
    ~ExclusiveLock() {
        if (fd_ >= 0) close(fd_);  // closing releases the lock
    }
    ExclusiveLock(const ExclusiveLock&) = delete;
    ExclusiveLock& operator=(const ExclusiveLock&) = delete;
    bool held() const { return locked_; }
    ProfileWriteError error() const { return error_; }

private:
    int fd_ = -1;
    bool locked_ = false;
    ProfileWriteError error_ = ProfileWriteError::Other;
};

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

#endif

std::pair<std::string, std::string> folderAndName(const std::string& file) {
    for (size_t i = file.size(); i-- > 0;)
        if (isSeparator(file[i])) return {file.substr(0, i == 0 ? 1 : i), file.substr(i + 1)};
    return {"", file};
}

// Creates the folders above the file that do not exist yet; None when the file's own
// folder is there afterwards, else why the last one that could not be made was not.
ProfileWriteError makeParentFolders(const std::string& file) {
    size_t last = std::string::npos;
    for (size_t i = file.size(); i-- > 0;)
        if (isSeparator(file[i])) {
            last = i;
            break;
        }
    if (last == std::string::npos || last == 0) return ProfileWriteError::NoError;  // current folder or the root
    const std::string parent = file.substr(0, last);
    if (isDirectory(parent)) return ProfileWriteError::NoError;
    ProfileWriteError why = ProfileWriteError::NoFolder;
    for (size_t i = 1; i <= parent.size(); ++i) {
        if (i < parent.size() && !isSeparator(parent[i])) continue;
        const std::string folder = parent.substr(0, i);
        if (!isDirectory(folder) && !makeDirectory(folder)) {
            // A file in the folder's place, or a name the system refuses, is no folder.
            const ProfileWriteError error = lastWriteError();
            why = error == ProfileWriteError::Other ? ProfileWriteError::NoFolder : error;
        }
    }
    return isDirectory(parent) ? ProfileWriteError::NoError : why;
}

}  // namespace

ProfileRead profileGet(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& defaultValue, unsigned bufsize) {
    // No lock: the file is only ever replaced whole, so what is read is one complete
    // version of it. An unreadable file reads like a missing one, as on Windows, and so
    // does one too large to be a settings file.
    std::string bytes;
    if (readFile(file, bytes) != ReadOutcome::read) bytes.clear();
    return ProfileDocument::lookup(bytes, section, key, defaultValue, bufsize);
}

ProfileWriteError profileWrite(const std::string& file, const std::string& section, const std::string& key,
                               const std::string& value) {
    using Error = ProfileWriteError;
    // The poll stores what is there already ten times a second: a complete version of the
    // file that holds the value makes the write done, without waiting for the lock.
    if (const Error locked = readOnly(file); locked != Error::NoError) return locked;
    std::string current;
    if (readFile(file, current) == ReadOutcome::read && ProfileDocument::stores(current, section, key, value))
        return Error::NoError;

    if (const Error error = makeParentFolders(file); error != Error::NoError) return error;
    ProcessWriteLock inProcess;
    ExclusiveLock lock(file + ".lock");
    if (!lock.held()) return lock.error();

    // Renaming over a read-only file would succeed: it is refused first, even when the
    // value is already stored, as the Windows functions refuse to open it for writing.
    if (const Error locked = readOnly(file); locked != Error::NoError) return locked;
    std::string bytes;
    const ReadOutcome outcome = readFile(file, bytes);
    // A file that exists but cannot be read must not be replaced by one holding only
    // the new key; one too large is left alone too.
    if (outcome == ReadOutcome::failed) return Error::Unreadable;
    if (outcome == ReadOutcome::tooLarge) return Error::TooLarge;
    ProfileDocument doc = ProfileDocument::parse(bytes);
    if (!doc.set(section, key, value)) return Error::NoError;  // already stored: the file stays as it is
    // Only real changes look through the folder: the poll's writes mostly store what is
    // there already.
    removeTemporaryFiles(file);
    return replaceFile(file, doc.text());
}

std::string settingsFilePath() {
#ifdef _WIN32
    if (std::string path = environment(L"ZENTAVORO_INI"); !path.empty()) return path;
    std::string base = environment(L"APPDATA");
    if (base.empty()) {
        const std::string profile = environment(L"USERPROFILE");
        if (profile.empty()) return "Zentavoro.ini";
        base = profile + "\\AppData\\Roaming";
    }
    return base + "\\Zentavoro\\Zentavoro.ini";
#else
    if (std::string path = environment("ZENTAVORO_INI"); !path.empty()) return path;
    std::string base = environment("XDG_CONFIG_HOME");
    // Relative values are to be ignored, the base directory rules say.
    if (base.empty() || base[0] != '/') {
        std::string home = environment("HOME");
        if (home.empty()) {
            if (const passwd* user = getpwuid(getuid()); user && user->pw_dir) home = user->pw_dir;
        }
        base = home + "/.config";
    }
    return base + "/zentavoro/Zentavoro.ini";
#endif
}

}  // namespace zv
