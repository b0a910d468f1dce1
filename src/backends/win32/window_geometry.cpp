// Where a top-level window stands: GetWindowRect, for a window that is on the screen.

#include <dwmapi.h>

#include "backends/win32/win32_platform.h"

namespace zv::win32 {

namespace {

HWND hwndOf(WindowId w) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(w)); }

// Windows 8 and later keep some windows "visible" while the desktop does not show them
// (suspended store apps, windows of other virtual desktops). Before Windows 8, and under
// Wine, the question fails and the window counts as shown.
bool cloaked(HWND w) {
    DWORD value = 0;
    return SUCCEEDED(DwmGetWindowAttribute(w, DWMWA_CLOAKED, &value, sizeof value)) && value != 0;
}

}  // namespace

std::optional<Rect> Win32Platform::windowRect(WindowId w) {
    HWND window = hwndOf(w);
    if (!window || !IsWindow(window) || !IsWindowVisible(window) || IsIconic(window) || cloaked(window))
        return std::nullopt;
    RECT r{};
    if (!GetWindowRect(window, &r)) return std::nullopt;
    return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace zv::win32
