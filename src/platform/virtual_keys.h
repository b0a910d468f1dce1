#pragma once
// The numbers the program, the hook mailbox and every desktop speak for keys and for the
// mouse: the virtual-key codes and mouse-event flags of the Windows API, named here once.

#include <cstdint>
#include <string>

namespace zv {

namespace vk {
inline constexpr uint8_t Tab = 0x09, Return = 0x0D, Shift = 0x10, Control = 0x11, Alt = 0x12, Escape = 0x1B,
                         Space = 0x20, Up = 0x26, Right = 0x27, Down = 0x28, Insert = 0x2D, Delete = 0x2E, Digit0 = 0x30,
                         Digit9 = 0x39, LetterA = 0x41, LetterZ = 0x5A, Numpad0 = 0x60, Numpad9 = 0x69, NumpadAdd = 0x6B,
                         F1 = 0x70;

// A code as the mailbox holds it: decimal text ("32" for Space).
inline std::string text(uint8_t code) { return std::to_string(code); }
}  // namespace vk

// Flags of the mouse-event call.
namespace mouseflags {
inline constexpr uint32_t Move = 0x0001, LeftDown = 0x0002, LeftUp = 0x0004, RightDown = 0x0008, RightUp = 0x0010,
                          MiddleDown = 0x0020, MiddleUp = 0x0040, Absolute = 0x8000;
}

}  // namespace zv
