// Windows that the mouse goes through: an empty input shape, so that the server hands the
// pointer and its buttons to whatever lies underneath. Qt's flag for this is not applied to
// the native windows of every version, so the shape is set here as well.

#include "backends/x11/x11_platform.h"
#include "common/errors.h"
#include "common/properties.h"

#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

namespace zv::x11 {

void X11Platform::letInputThrough(WindowId w) {
    if (w == 0) return;
    int eventBase = 0, errorBase = 0;
    if (!XShapeQueryExtension(display_, &eventBase, &errorBase)) return;
    ErrorTrap trap(display_);
    XShapeCombineRectangles(display_, w, ShapeInput, 0, 0, nullptr, 0, ShapeSet, Unsorted);
    XFlush(display_);
}

}  // namespace zv::x11
