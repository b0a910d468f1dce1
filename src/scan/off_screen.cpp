// Points off every screen: a file may hold them (made on a larger desktop, or with a screen
// since gone), and the system would clamp the pointer to a screen's edge, where the next
// press would click something the user never chose. Scanning passes over them instead.

#include <cstdint>

#include "app/form_principal.h"
#include "platform/platform.h"

namespace zv {

namespace {
// The warning sound: a message box would stop a user who has only the switch.
constexpr unsigned kExclamationBeep = 0x30;
}  // namespace

bool FormPrincipal::pointOnScreen(int index) {
    const auto [x, y] = placedPoint(index);
    const int64_t px = x, py = y;
    for (const Rect& s : platform().screens())
        if (px >= s.left && py >= s.top && px - s.left < s.width && py - s.top < s.height) return true;
    return false;
}

void FormPrincipal::sayPointOffScreen() {
    if (offScreenSaid) return;
    offScreenSaid = true;
    platform().messageBeep(kExclamationBeep);
}

}  // namespace zv
