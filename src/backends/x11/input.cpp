// Synthesised input through the XTEST extension: it reaches every program as if the
// user had pressed the button or key.

#include "backends/x11/conversions.h"
#include "backends/x11/keys.h"
#include "backends/x11/x11_platform.h"

// Xlib last: its macros (None, Bool, KeyPress...) would break the headers above.
#include <X11/Xlib.h>
#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>

namespace zv::x11 {

void X11Platform::mouseEvent(uint32_t flags, int dx, int dy) {
    using namespace mouseflags;
    if (flags & Move) {
        if (flags & Absolute) {
            const ScreenSize s = primaryScreenSize();
            XTestFakeMotionEvent(display_, -1, absoluteToPixel(dx, s.width), absoluteToPixel(dy, s.height), CurrentTime);
        } else {
            XTestFakeRelativeMotionEvent(display_, dx, dy, CurrentTime);
        }
    }
    // Without the move flag the coordinates ride along unused: the button acts where the
    // pointer stands.
    if (flags & LeftDown) XTestFakeButtonEvent(display_, 1, True, CurrentTime);
    if (flags & LeftUp) XTestFakeButtonEvent(display_, 1, False, CurrentTime);
    if (flags & RightDown) XTestFakeButtonEvent(display_, 3, True, CurrentTime);
    if (flags & RightUp) XTestFakeButtonEvent(display_, 3, False, CurrentTime);
    // Processed by the server before we go on: what the program does next (taking the
    // buttons again through the hook library) must come after the click.
    XSync(display_, False);
}

namespace {

bool isModifier(uint8_t vk) { return vk == 0x10 || vk == 0x11 || vk == 0x12 || vk == 0x5B || vk == 0x5C; }

}  // namespace

void X11Platform::keyEvent(uint8_t vk, bool up) {
    const unsigned long keysym = keysymForVk(vk);
    if (keysym == 0) return;
    const KeyCode code = XKeysymToKeycode(display_, keysym);
    if (code == 0) return;
    if (!up && isModifier(vk) && heldModifiers_.empty()) releaseUserModifiers();
    XTestFakeKeyEvent(display_, code, up ? False : True, CurrentTime);
    XSync(display_, False);
    if (isModifier(vk)) {
        if (up) heldModifiers_.erase(vk);
        else heldModifiers_.insert(vk);
    } else if (!up && !heldModifiers_.empty()) {
        // A combination such as Alt+Tab may be the window manager's: it takes the keyboard
        // when it sees the key, and a modifier let go before that is never seen, which
        // leaves its window switcher open. It is given the time to see it.
        waitForWindowManager();
    }
}

// A combination of ours must reach the window manager as it is: a modifier the user still
// holds (the Ctrl of the Ctrl+B that started a recording, since shortcuts act on the key
// press) would turn our Alt+Tab into Ctrl+Alt+Tab, which switches nothing. Those keys are
// let go first; the user's next press of them counts again as usual.
void X11Platform::releaseUserModifiers() {
    char keys[32];
    XQueryKeymap(display_, keys);
    XModifierKeymap* map = XGetModifierMapping(display_);
    if (!map) return;
    bool released = false;
    for (int i = 0; i < 8 * map->max_keypermod; ++i) {
        const KeyCode code = map->modifiermap[i];
        if (code != 0 && (keys[code / 8] & (1 << (code % 8)))) {
            XTestFakeKeyEvent(display_, code, False, CurrentTime);
            released = true;
        }
    }
    XFreeModifiermap(map);
    if (released) XSync(display_, False);
}

unsigned long X11Platform::unshiftedKeysym(unsigned keycode) {
    if (keycode == 0 || keycode > 255) return 0;
    return XkbKeycodeToKeysym(display_, static_cast<KeyCode>(keycode), 0, 0);
}

}  // namespace zv::x11
