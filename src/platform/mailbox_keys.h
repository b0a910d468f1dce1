#pragma once
// The hook mailbox: the section of the settings file and its keys, through which the hook
// library reports to the program. Named here once for the program and both libraries; code
// page 1252 bytes.

namespace zv::mailbox_keys {

inline constexpr const char* kSection = "LlibreriaZentavoro";
// What a press was (see ClickValue), as text.
inline constexpr const char* kClick = "CLIC";
// The virtual-key code of the last key, in decimal.
inline constexpr const char* kKeyboard = "KEYBOARD";
// The title of the window the recorded clicks went to ("TÍTOL FINESTRA").
inline constexpr const char* kWindowTitle = "T\xCD" "TOL FINESTRA";

// What "CLIC" holds, and the value of the hook library's click reports: nothing waiting,
// the switch (left button, or any key under the any-key hook), the right button.
enum class ClickValue : int { NoPress = 0, Switch = 1, RightButton = 2 };

// A click value as "CLIC" holds it.
constexpr const char* clickText(ClickValue value) {
    switch (value) {
    case ClickValue::Switch: return "1";
    case ClickValue::RightButton: return "2";
    case ClickValue::NoPress: break;
    }
    return "0";
}

}  // namespace zv::mailbox_keys
