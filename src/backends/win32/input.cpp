// Synthesised input, exactly as the program words it: mouse_event with its flags and
// absolute coordinates, keybd_event with scan code 0. Both carry the program's signature
// in their extra information: the hook library lets them through unreported, while what
// other programs inject counts as the user's.
#include "backends/win32/trace.h"
#include "backends/win32/win32_platform.h"
#include "llibreria_zentavoro.h"

namespace zv::win32 {

void Win32Platform::mouseEvent(uint32_t flags, int dx, int dy) {
    mouse_event(flags, static_cast<DWORD>(dx), static_cast<DWORD>(dy), 0, LZ_OWN_INPUT_SIGNATURE);
    if (tracing()) trace("mouseEvent " + std::to_string(flags) + " " + std::to_string(dx) + " " + std::to_string(dy));
}

// A combination of ours must reach the system as it is: a modifier the user still holds
// (the Ctrl of the Ctrl+B that started a recording, since accelerators act on the key
// press) would turn our Alt+Tab into Ctrl+Alt+Tab, the switcher that stays open. Those
// keys are let go first, as the program's own input.
static void releaseUserModifiers() {
    for (BYTE key : {VK_LCONTROL, VK_RCONTROL, VK_LSHIFT, VK_RSHIFT, VK_LWIN, VK_RWIN})
        if (GetAsyncKeyState(key) & 0x8000) keybd_event(key, 0, KEYEVENTF_KEYUP, LZ_OWN_INPUT_SIGNATURE);
}

void Win32Platform::keyEvent(uint8_t vk, bool up) {
    if (vk == VK_MENU && !up) releaseUserModifiers();
    keybd_event(vk, 0, up ? KEYEVENTF_KEYUP : 0, LZ_OWN_INPUT_SIGNATURE);
    if (tracing()) trace("keyEvent " + std::to_string(vk) + (up ? " up" : " down"));
}

}  // namespace zv::win32
