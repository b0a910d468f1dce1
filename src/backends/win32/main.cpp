// Zentavoro.exe: the arguments in code page 1252, the Win32 platform, the program.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/program.h"
#include "backends/win32/wide.h"
#include "backends/win32/win32_platform.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    std::vector<std::string> args;
    int argc = 0;
    if (LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc)) {
        // A file name may hold characters outside the code page: it keeps its original
        // spelling for opening.
        for (int i = 1; i < argc; ++i) args.push_back(zv::win32::narrowName(argv[i]));
        LocalFree(argv);
    }
    zv::win32::Win32Platform platform(instance);
    return zv::runProgram(platform, args);
}
