// Whole files on Windows.
#include <windows.h>

#include <algorithm>

#include "platform/text.h"
#include "platform/whole_file.h"
#include "platform/whole_file_shared.h"

namespace zv {

using whole_file::nextTemporaryNumber;
using whole_file::writeInHalves;

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
    return writeInHalves(bytes, [&](const char* data, size_t size) -> long long {
        DWORD wrote = 0;
        const DWORD asked = static_cast<DWORD>(std::min<size_t>(size, size_t{1} << 20));
        if (WriteFile(file, data, asked, &wrote, nullptr)) return wrote;
        error = GetLastError();
        return -1;
    });
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
                                   std::to_wstring(nextTemporaryNumber()) + L".tmp";
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

}  // namespace zv
