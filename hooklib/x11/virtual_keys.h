#pragma once
// X keysyms to Windows virtual-key codes, so that "KEYBOARD" carries the same numbers on
// every desktop.

namespace zv::hooklib {

// The virtual-key code of the key whose unshifted keysym is `base` and whose keysym on
// the second level is `shifted` (a keypad key: the digit it types with Num Lock on).
// Returns 0 for a key that has no code.
int virtualKeyOf(unsigned long base, unsigned long shifted, bool numLock);

}  // namespace zv::hooklib
