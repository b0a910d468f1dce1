#pragma once
// Windows virtual-key codes, which the program and the hook mailbox speak everywhere,
// against X keysyms. Keys have one code whatever the shift state, as on Windows: a key
// is named by what it shows unshifted ("1" for the key of "1" and "!", "A" for "a").

#include <cstdint>

namespace zv::x11 {

// The keysym to press for a virtual-key code; 0 when the code names no key we can press.
unsigned long keysymForVk(uint8_t vk);

// The virtual-key code of a key given by the keysym of its first level (unshifted); 0 when
// there is none.
uint8_t vkForKeysym(unsigned long keysym);

// The virtual-key code of a key event that Qt reports: the X keysyms of the event's key
// (the unshifted one of its first level, and the one that was typed, which for the numeric
// keypad follows Num Lock), and Qt's key for what X cannot name.
uint8_t vkForKeyEvent(unsigned long unshiftedKeysym, unsigned long typedKeysym, int qtKey, bool keypad);

}  // namespace zv::x11
