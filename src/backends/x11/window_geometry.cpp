// Where a top-level window stands: its client window's place on the root window with the
// frame the window manager draws round it, as long as the window is on the screen.

#include "backends/x11/x11_platform.h"

// Xlib last: its macros (None, Bool, KeyPress...) would break the headers above.
#include "common/errors.h"
#include "common/properties.h"
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace zv::x11 {

namespace {

// Minimised windows are unmapped by most window managers; some keep them mapped and say
// so in the window's state.
bool minimised(Display* d, Window w) {
    if (auto state = propertyLongs(d, w, "_NET_WM_STATE")) {
        const Atom hidden = atom(d, "_NET_WM_STATE_HIDDEN");
        for (unsigned long a : *state)
            if (a == hidden) return true;
    }
    auto wmState = propertyLongs(d, w, "WM_STATE");
    return wmState && !wmState->empty() && (*wmState)[0] == IconicState;
}

}  // namespace

std::optional<Rect> X11Platform::windowRect(WindowId w) {
    if (w == 0) return std::nullopt;
    const Window root = DefaultRootWindow(display_);
    ErrorTrap trap(display_);
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display_, w, &attributes) || trap.failed()) return std::nullopt;
    if (attributes.map_state != IsViewable || minimised(display_, w)) return std::nullopt;
    int x = 0, y = 0;
    Window child = None;
    if (!XTranslateCoordinates(display_, w, root, 0, 0, &x, &y, &child) || trap.failed()) return std::nullopt;
    const Extents frame = frameExtents(w);
    return Rect{x - frame.left, y - frame.top, attributes.width + frame.left + frame.right,
                attributes.height + frame.top + frame.bottom};
}

}  // namespace zv::x11
