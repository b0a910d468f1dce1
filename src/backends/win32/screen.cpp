// The primary screen: its size and a snapshot of it; every screen, as the monitors.
#include "backends/win32/win32_platform.h"

namespace zv::win32 {

ScreenSize Win32Platform::primaryScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

namespace {
BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM found) {
    auto& all = *reinterpret_cast<std::vector<Rect>*>(found);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info)) return TRUE;
    const RECT& r = info.rcMonitor;
    const Rect rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
    if (info.dwFlags & MONITORINFOF_PRIMARY)
        all.insert(all.begin(), rect);
    else
        all.push_back(rect);
    return TRUE;
}
}  // namespace

std::vector<Rect> Win32Platform::screens() {
    // Asked at every scan step: one screen is answered without enumerating the monitors,
    // which takes milliseconds under Wine.
    if (GetSystemMetrics(SM_CMONITORS) <= 1)
        return {{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}};
    std::vector<Rect> all;
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&all));
    if (all.empty()) all.push_back({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    return all;
}

std::string Win32Platform::captureScreen() {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    HWND desktop = GetDesktopWindow();
    HDC screen = GetWindowDC(desktop);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(desktop, screen);
    return pictures_.addSnapshot(bitmap);
}

void Win32Platform::releaseCapture(const std::string& picture) { pictures_.release(picture); }

}  // namespace zv::win32
