// The primary screen: its size and a snapshot of it.
#include "backends/win32/win32_platform.h"

namespace zv::win32 {

ScreenSize Win32Platform::primaryScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

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
