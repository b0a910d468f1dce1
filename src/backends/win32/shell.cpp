// The shell's default application for a file or an address, and the message beep.
#include <windows.h>
#include <shellapi.h>

#include "backends/win32/wide.h"
#include "backends/win32/win32_platform.h"

namespace zv::win32 {

void Win32Platform::shellOpen(const std::string& target) {
    ShellExecuteW(nullptr, L"open", widenName(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

// The help stays where the seed put it: beside the program, opened by nobody's menu. The
// Start-menu entry starts the program in the carer's documents, where "zentavoro.txt" is
// not, so showing the entry would open nothing.
std::optional<std::string> Win32Platform::installedHelp() { return std::nullopt; }

void Win32Platform::messageBeep(unsigned type) { MessageBeep(type); }

}  // namespace zv::win32
