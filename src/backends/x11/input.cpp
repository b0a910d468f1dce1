// Synthesised input through the XTEST extension: it reaches every program as if the
// user had pressed the button or key. Each event is announced to the hook library first:
// it is the program's own, and must not come back as a switch press.

#include "backends/x11/conversions.h"
#include "backends/x11/x11_platform.h"
#include "common/keys.h"
#include "llibreria_zentavoro.h"

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
    const auto button = [this](unsigned number, bool press) {
        announceOwnButton(number, press);
        XTestFakeButtonEvent(display_, number, press ? True : False, CurrentTime);
    };
    if (flags & LeftDown) button(1, true);
    if (flags & LeftUp) button(1, false);
    if (flags & RightDown) button(3, true);
    if (flags & RightUp) button(3, false);
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
    announceOwnKey(code, !up);
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
            announceOwnKey(code, false);
            XTestFakeKeyEvent(display_, code, False, CurrentTime);
            released = true;
        }
    }
    XFreeModifiermap(map);
    if (released) XSync(display_, False);
}

void X11Platform::announceOwnKey(unsigned keycode, bool press) { LlibreriaZentavoroOwnKey(keycode, press ? 1 : 0); }

void X11Platform::announceOwnButton(unsigned button, bool press) { LlibreriaZentavoroOwnButton(button, press ? 1 : 0); }

unsigned long X11Platform::unshiftedKeysym(unsigned keycode) {
    if (keycode == 0 || keycode > 255) return 0;
    return XkbKeycodeToKeysym(display_, static_cast<KeyCode>(keycode), 0, 0);
}

}  // namespace zv::x11
