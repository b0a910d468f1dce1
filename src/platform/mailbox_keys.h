#pragma once
// The hook mailbox: the section of the settings file and its keys, through which the hook
// library reports to the program. Named here once for the program and both libraries; code
// page 1252 bytes.

namespace zv::mailbox_keys {

inline constexpr const char* kSection = "LlibreriaZentavoro";
// "1": the switch (left button, or any key under the any-key hook); "2": the right button.
inline constexpr const char* kClick = "CLIC";
// The virtual-key code of the last key, in decimal.
inline constexpr const char* kKeyboard = "KEYBOARD";
// The title of the window the recorded clicks went to ("TÍTOL FINESTRA").
inline constexpr const char* kWindowTitle = "T\xCD" "TOL FINESTRA";

}  // namespace zv::mailbox_keys
