// The pointer hold of the "Windows Vista" variant: every 200 ms the pointer is pulled
// back onto the last placed point, and scanning stops when the user has moved it away.

#include <cstdlib>

#include "app/form_principal.h"
#include "platform/platform.h"
#include "record/form_mouse.h"

namespace zv {

void FormPrincipal::TimerPosicioMouseTimer() {
    // A tick inside a scan step's own placement would judge the step's own pointer moves.
    if (placingPointer) return;
    if (FirstStep) {
        FirstStep = false;
        bringToFront();
        formMouse->bringToFront();
        return;
    }
    const ScreenPoint at = platform().cursorPos();
    if (points.PointCount <= 0) {
        TimerPosicioMouse.setOn(false);
        MenuPararClick();
        return;
    }
    const int32_t index = points.CurrentPoint == 0 ? points.PointCount - 1 : points.CurrentPoint - 1;
    const auto [x, y] = lastPlacedPoint(index);
    if (std::abs(at.x - x) > 10 || std::abs(at.y - y) > 10) {
        TimerPosicioMouse.setOn(false);
        MenuPararClick();
    } else if (at.x != x || at.y != y) {
        platform().setCursorPos(x, y);
    }
}

}  // namespace zv
