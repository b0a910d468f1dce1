// The settings file's access to a Windows file system.
#include <windows.h>

#include <algorithm>

#include "platform/profile_file.h"
#include "platform/text.h"

namespace zv::profile_file {

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

unsigned long processId() { return GetCurrentProcessId(); }

bool isSeparator(char c) { return c == '\\' || c == '/'; }

namespace {
// A Windows lock, not std::mutex, so that the hook library needs no threads run-time library.
SRWLOCK processWriteLock = SRWLOCK_INIT;
}  // namespace

WriteLock::WriteLock(const std::string& lockPath) {
    AcquireSRWLockExclusive(&processWriteLock);
    const HANDLE file = CreateFileW(wide(lockPath).c_str(), GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    lockFile_ = reinterpret_cast<std::intptr_t>(file);
    if (file == INVALID_HANDLE_VALUE) {
        error_ = lastWriteError();
        return;
    }
    OVERLAPPED whole{};
    locked_ = LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole);
    if (!locked_) error_ = lastWriteError();
}

WriteLock::~WriteLock() {
    const HANDLE file = reinterpret_cast<HANDLE>(lockFile_);
    if (file != INVALID_HANDLE_VALUE) {
        if (locked_) {
            OVERLAPPED whole{};
            UnlockFileEx(file, 0, MAXDWORD, MAXDWORD, &whole);
        }
        CloseHandle(file);
    }
    ReleaseSRWLockExclusive(&processWriteLock);
}

}  // namespace zv::profile_file

namespace zv {

std::string settingsFilePath() {
    if (std::string path = profile_file::environment(L"ZENTAVORO_INI"); !path.empty()) return path;
    std::string base = profile_file::environment(L"APPDATA");
    if (base.empty()) {
        const std::string profile = profile_file::environment(L"USERPROFILE");
        if (profile.empty()) return "Zentavoro.ini";
        base = profile + "\\AppData\\Roaming";
    }
    return base + "\\Zentavoro\\Zentavoro.ini";
}

}  // namespace zv
