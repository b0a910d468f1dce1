// The trace of platform calls that the end-to-end tests read (ZENTAVORO_WIN32_TRACE).
#include "backends/win32/trace.h"

#include <windows.h>

#include <cstdio>

#include "backends/win32/wide.h"

namespace zv::win32 {
namespace {

FILE* traceFile() {
    static FILE* file = [] {
        wchar_t path[MAX_PATH] = {};
        if (!GetEnvironmentVariableW(L"ZENTAVORO_WIN32_TRACE", path, MAX_PATH)) return static_cast<FILE*>(nullptr);
        return _wfopen(path, L"ab");
    }();
    return file;
}

}  // namespace

bool tracing() { return traceFile() != nullptr; }

void trace(const std::string& line) {
    FILE* f = traceFile();
    if (!f) return;
    std::fprintf(f, "%lu %s\n", static_cast<unsigned long>(GetTickCount()), line.c_str());
    std::fflush(f);
}

}  // namespace zv::win32
