// The shell's default application for a file or an address, and the message beep.
#include <windows.h>
#include <shellapi.h>

#include "backends/win32/wide.h"
#include "backends/win32/win32_platform.h"

namespace zv::win32 {

void Win32Platform::shellOpen(const std::string& target) {
    ShellExecuteW(nullptr, L"open", widenName(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void Win32Platform::messageBeep(unsigned type) { MessageBeep(type); }

}  // namespace zv::win32
