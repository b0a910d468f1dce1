#pragma once
// The virtual-key code of a key event that Qt reports to one of our windows.

#include <cstdint>

namespace zv::x11 {

// unshiftedKeysym: the keysym of the key's first level; typedKeysym: the one it typed
// (which for the numeric keypad follows Num Lock); qtKey: Qt's key, for what X cannot name;
// keypad: Qt says the key is on the keypad.
uint8_t vkForKeyEvent(unsigned long unshiftedKeysym, unsigned long typedKeysym, int qtKey, bool keypad);

}  // namespace zv::x11
