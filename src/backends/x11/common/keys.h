#pragma once
// Windows virtual-key codes, which the program and the hook mailbox speak everywhere,
// against X keysyms: one table for the desktop and the hook library alike. Keys have one
// code whatever the shift state, as on Windows: a key is named by what it shows unshifted
// ("1" for the key of "1" and "!", "A" for "a").

#include <cstdint>

namespace zv::x11 {

// The keysym to press for a virtual-key code; 0 when the code names no key we can press.
unsigned long keysymForVk(uint8_t vk);

// The virtual-key code of a keysym; 0 when there is none.
uint8_t vkForKeysym(unsigned long keysym);

// The virtual-key code of a key given by the keysym of its first level (unshifted) and
// the keysym it typed. Only the numeric keypad looks at what was typed: with Num Lock its
// keys type digits (KP_1), without it they move (KP_End), and Windows names the two apart.
uint8_t vkForKey(unsigned long unshifted, unsigned long typed);

}  // namespace zv::x11
