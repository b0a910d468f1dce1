// Zentavoro.exe: the arguments (file names, in UTF-8), the Win32 platform, the program.
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
        for (int i = 1; i < argc; ++i) args.push_back(zv::win32::toUtf8(argv[i]));
        LocalFree(argv);
    }
    zv::win32::Win32Platform platform(instance);
    return zv::runProgram(platform, args);
}
