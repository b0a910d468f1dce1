#include "platform/whole_file.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/text.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zv {

namespace {

// The end-to-end tests kill the program in the middle of a write: with this set, every
// write stops halfway through the temporary file for that many milliseconds.
void pauseForTests() {
    static const long pause = [] {
        const char* text = std::getenv("ZENTAVORO_TEST_WRITE_PAUSE_MS");
        return text ? std::strtol(text, nullptr, 10) : 0L;
    }();
    if (pause > 0) std::this_thread::sleep_for(std::chrono::milliseconds(pause));
}

std::atomic<unsigned> temporaryCounter{0};

}  // namespace

#ifdef _WIN32

namespace {

WriteResult failure(DWORD error) {
    switch (error) {
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: return {WriteFailure::DiskFull, {}};
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_NETWORK_ACCESS_DENIED: return {WriteFailure::NoPermission, {}};
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME: return {WriteFailure::NoFolder, {}};
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_FILENAME_EXCED_RANGE:
        case ERROR_DIRECTORY:
        case ERROR_INVALID_PARAMETER: return {WriteFailure::RefusedName, {}};
        default: break;
    }
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::u16string words = text ? std::u16string(reinterpret_cast<const char16_t*>(text)) : u"";
    if (text) LocalFree(text);
    while (!words.empty() && (words.back() == u'\r' || words.back() == u'\n' || words.back() == u' ')) words.pop_back();
    return {WriteFailure::Other, words.empty() ? "error " + std::to_string(error) : utf16ToCp1252(words)};
}

std::wstring folderOf(const std::wstring& name) {
    const size_t slash = name.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return L".";
    if (slash == 0 || (slash == 2 && name[1] == L':')) return name.substr(0, slash + 1);
    return name.substr(0, slash);
}

bool writeAll(HANDLE file, const std::string& bytes, DWORD& error) {
    size_t done = 0;
    bool paused = false;
    while (done < bytes.size()) {
        if (!paused && done >= bytes.size() / 2) {
            pauseForTests();
            paused = true;
        }
        const size_t end = paused ? bytes.size() : bytes.size() / 2;
        DWORD wrote = 0;
        const DWORD asked = static_cast<DWORD>(std::min<size_t>(end - done, size_t{1} << 20));
        if (!WriteFile(file, bytes.data() + done, asked, &wrote, nullptr)) {
            error = GetLastError();
            return false;
        }
        done += wrote;
    }
    return true;
}

}  // namespace

WriteResult replaceWholeFile(const NativeName& name, const std::string& bytes, FileAccess) {
    // On Windows the user's own folders are private already: FileAccess asks for nothing more.
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) return {WriteFailure::RefusedName, {}};
        if (attributes & FILE_ATTRIBUTE_READONLY) return {WriteFailure::NoPermission, {}};
    }
    const std::wstring folder = folderOf(name);
    const DWORD folderAttributes = GetFileAttributesW(folder.c_str());
    if (folderAttributes == INVALID_FILE_ATTRIBUTES || !(folderAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        const DWORD error = GetLastError();
        return error == ERROR_INVALID_NAME ? failure(error) : WriteResult{WriteFailure::NoFolder, {}};
    }
    const std::wstring temporary = folder + L"\\~zentavoro-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                   std::to_wstring(temporaryCounter++) + L".tmp";
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL | FILE_ATTRIBUTE_TEMPORARY, nullptr);
    if (file == INVALID_HANDLE_VALUE) return failure(GetLastError());
    DWORD error = ERROR_SUCCESS;
    bool ok = writeAll(file, bytes, error);
    if (ok && !FlushFileBuffers(file)) {
        error = GetLastError();
        ok = false;
    }
    CloseHandle(file);
    if (ok) {
        // The temporary file's attribute must not pass to the scan file.
        SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (MoveFileExW(temporary.c_str(), name.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return {};
        error = GetLastError();
    }
    DeleteFileW(temporary.c_str());
    return failure(error);
}

std::optional<std::string> readWholeFile(const NativeName& name, size_t maxBytes) {
    HANDLE file = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    LARGE_INTEGER size{};
    std::string bytes;
    bool ok = GetFileSizeEx(file, &size) && static_cast<unsigned long long>(size.QuadPart) <= maxBytes;
    char chunk[65536];
    while (ok) {
        DWORD got = 0;
        if (!ReadFile(file, chunk, sizeof chunk, &got, nullptr)) ok = false;
        if (!ok || got == 0) break;
        bytes.append(chunk, got);
        ok = bytes.size() <= maxBytes;
    }
    CloseHandle(file);
    if (!ok) return std::nullopt;
    return bytes;
}

bool removeFile(const NativeName& name) {
    return DeleteFileW(name.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
}

#else

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
    size_t done = 0;
    bool paused = false;
    while (done < bytes.size()) {
        if (!paused && done >= bytes.size() / 2) {
            pauseForTests();
            paused = true;
        }
        const size_t end = paused ? bytes.size() : bytes.size() / 2;
        const ssize_t n = write(fd, bytes.data() + done, end - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = errno;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
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
                                  std::to_string(temporaryCounter++) + ".tmp";
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

#endif

}  // namespace zv
