#pragma once
// Screen resolution. The process is per-monitor aware (the manifest says so), so every
// coordinate it sees is a physical pixel; the forms were designed at 96 pixels per inch,
// and their layout, fonts and pictures are scaled to the window's screen from that.

#include <windows.h>

#include "widgets/widget.h"

namespace zv::win32 {

inline constexpr unsigned kDesignDpi = 96;

// The resolution of the screen the window is on (the system's before Windows 10).
unsigned dpiOfWindow(HWND hwnd);
// The resolution new windows are made for, before they have a screen of their own.
unsigned systemDpi();

// A length in pixels at one resolution, in pixels at another, rounded to the nearest.
inline int rescaled(int pixels, unsigned from, unsigned to) {
    return from == to ? pixels : MulDiv(pixels, static_cast<int>(to), static_cast<int>(from));
}
inline Rect rescaled(const Rect& r, unsigned from, unsigned to) {
    return {rescaled(r.left, from, to), rescaled(r.top, from, to), rescaled(r.width, from, to), rescaled(r.height, from, to)};
}

// AdjustWindowRectEx for a window on a screen of that resolution.
void adjustWindowRect(RECT& r, DWORD style, bool menu, DWORD exStyle, unsigned dpi);

}  // namespace zv::win32
