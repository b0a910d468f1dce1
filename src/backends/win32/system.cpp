// System: version, current directory, the plain files of a folder, whole files.
#include <sys/stat.h>

#include <cstdio>

#include "backends/win32/trace.h"
#include "backends/win32/wide.h"
#include "backends/win32/win32_platform.h"
#include "platform/plain_files.h"
#include "platform/whole_file.h"

namespace zv::win32 {

VersionInfo Win32Platform::version() {
    // GetVersionEx answers what the program's manifest claims to support; RtlGetVersion
    // tells the truth, which is what the About box shows.
    VersionInfo info;
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOEXW*);
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    auto rtlGetVersion = ntdll ? reinterpret_cast<RtlGetVersionFn>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion"))) : nullptr;
    OSVERSIONINFOEXW v{};
    v.dwOSVersionInfoSize = sizeof(v);
    if (rtlGetVersion && rtlGetVersion(&v) == 0) {
        info.major = v.dwMajorVersion;
        info.minor = v.dwMinorVersion;
        info.build = v.dwBuildNumber;
        info.platformId = v.dwPlatformId;
        info.servicePack = narrow(v.szCSDVersion, wcsnlen(v.szCSDVersion, 128));
    }
    return info;
}

std::string Win32Platform::currentDirectory() {
    DWORD size = GetCurrentDirectoryW(0, nullptr);
    std::wstring buf(size, L'\0');
    DWORD n = GetCurrentDirectoryW(size, buf.data());
    buf.resize(n);
    return toUtf8(buf);
}

bool Win32Platform::setCurrentDirectory(const std::string& dir) {
    const bool done = SetCurrentDirectoryW(fromUtf8(dir).c_str()) != 0;
    if (tracing()) trace("setCurrentDirectory '" + dir + "'" + (done ? "" : " failed"));
    return done;
}

std::vector<std::string> Win32Platform::listFiles(const std::string& folder) {
    std::vector<std::string> names;
    for (const std::wstring& wide : plainFilesIn(fromUtf8(folder))) names.push_back(toUtf8(wide));
    if (tracing()) {
        std::string all;
        for (const std::string& n : names) all += " '" + n + "'";
        trace("listFiles '" + folder + "':" + all);
    }
    return names;
}

std::optional<std::string> Win32Platform::readFile(const std::string& name, size_t maxBytes) {
    auto bytes = readWholeFile(fromUtf8(name), maxBytes);
    if (tracing()) trace("readFile '" + name + "'" + (bytes ? "" : " failed"));
    return bytes;
}

WriteResult Win32Platform::writeFile(const std::string& name, const std::string& bytes) {
    WriteResult result = replaceWholeFile(fromUtf8(name), bytes, FileAccess::Usual);
    if (tracing()) trace("writeFile '" + name + "'" + (result ? "" : " failed"));
    return result;
}

}  // namespace zv::win32
