#pragma once
// The hook mailbox: what the hooks catch goes to section "LlibreriaZentavoro" of the
// settings file, which the program polls.

#include <string>

namespace zv::hooklib {

// "CLIC": "1" for the switch (left button, or any key under the any-key hook), "2" for
// the right button.
void reportClick(const char* value);
// "KEYBOARD": the virtual-key code of the last key, in decimal.
void reportKey(int virtualKey);
// "TÍTOL FINESTRA": the title (code page 1252) of the window that a recorded click went to.
void reportWindowTitle(const std::string& title);

}  // namespace zv::hooklib
