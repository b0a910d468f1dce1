// Synthesised input, exactly as the program words it: mouse_event with its flags and
// absolute coordinates, keybd_event with scan code 0. The system marks both as injected,
// which is how the hook library knows them from the user's own presses.
#include "backends/win32/trace.h"
#include "backends/win32/win32_platform.h"

namespace zv::win32 {

void Win32Platform::mouseEvent(uint32_t flags, int dx, int dy) {
    mouse_event(flags, static_cast<DWORD>(dx), static_cast<DWORD>(dy), 0, 0);
    if (tracing()) trace("mouseEvent " + std::to_string(flags) + " " + std::to_string(dx) + " " + std::to_string(dy));
}

void Win32Platform::keyEvent(uint8_t vk, bool up) {
    keybd_event(vk, 0, up ? KEYEVENTF_KEYUP : 0, 0);
    if (tracing()) trace("keyEvent " + std::to_string(vk) + (up ? " up" : " down"));
}

}  // namespace zv::win32
