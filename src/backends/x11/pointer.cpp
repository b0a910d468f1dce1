// The pointer: read and put on the root window of the default screen.

#include "backends/x11/x11_platform.h"

#include <algorithm>

// Xlib last: its macros (None, Bool, KeyPress...) would break the headers above.
#include <X11/Xlib.h>

namespace zv::x11 {

ScreenPoint X11Platform::cursorPos() {
    Window root = None, child = None;
    int rx = 0, ry = 0, wx = 0, wy = 0;
    unsigned mask = 0;
    XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &rx, &ry, &wx, &wy, &mask);
    return {rx, ry};
}

void X11Platform::setCursorPos(int x, int y) {
    // The protocol carries 16-bit coordinates: a far point would wrap round to the other
    // side. Kept on the root window instead, as Windows keeps the pointer on the screen.
    const int screen = DefaultScreen(display_);
    x = std::clamp(x, 0, std::max(0, DisplayWidth(display_, screen) - 1));
    y = std::clamp(y, 0, std::max(0, DisplayHeight(display_, screen) - 1));
    XWarpPointer(display_, None, DefaultRootWindow(display_), 0, 0, 0, 0, x, y);
    XFlush(display_);
}

}  // namespace zv::x11
