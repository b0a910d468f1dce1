// The primary screen: its size and a snapshot of it; every screen, as the monitors.
#include <algorithm>

#include "backends/win32/dpi.h"
#include "backends/win32/pictures.h"
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

std::optional<ScreenPixels> Win32Platform::screenPixels(const Rect& area) {
    if (area.width <= 0 || area.height <= 0) return std::nullopt;
    ScreenPixels out(area.width, area.height);
    // The screen device context spans every monitor, in the primary screen's coordinates.
    const int vx = GetSystemMetrics(SM_XVIRTUALSCREEN), vy = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int vw = GetSystemMetrics(SM_CXVIRTUALSCREEN), vh = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    const int x0 = std::max(area.left, vx), y0 = std::max(area.top, vy);
    const int x1 = std::min(area.left + area.width, vx + vw), y1 = std::min(area.top + area.height, vy + vh);
    if (x0 >= x1 || y0 >= y1) return out;
    const int w = x1 - x0, h = y1 - y0;
    BITMAPINFO info = topDownPixels(w, h);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool read = false;
    if (bitmap && bits) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        // Layered windows (the tracking frame) are on the screen too, as the user sees them.
        read = BitBlt(memory, 0, 0, w, h, screen, x0, y0, SRCCOPY | CAPTUREBLT) != 0;
        GdiFlush();
        if (read) {
            const auto* pixel = static_cast<const uint32_t*>(bits);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    out.at(x0 - area.left + x, y0 - area.top + y) = pixel[static_cast<size_t>(y * w + x)] & 0xFFFFFF;
        }
        SelectObject(memory, old);
    }
    if (bitmap) DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!read) return std::nullopt;
    return out;
}

int Win32Platform::displayScale(int x, int y) {
    // The monitor's own resolution came with Windows 8.1; before it the system's applies.
    using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto getDpiForMonitor = [] {
        HMODULE shcore = LoadLibraryW(L"shcore.dll");
        return shcore ? reinterpret_cast<GetDpiForMonitorFn>(reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")))
                      : nullptr;
    }();
    UINT dpiX = 0, dpiY = 0;
    if (getDpiForMonitor && getDpiForMonitor(MonitorFromPoint(POINT{x, y}, MONITOR_DEFAULTTONEAREST), 0, &dpiX, &dpiY) == S_OK &&
        dpiX > 0)
        return static_cast<int>(dpiX * 100 / kDesignDpi);
    return static_cast<int>(systemDpi() * 100 / kDesignDpi);
}

}  // namespace zv::win32
