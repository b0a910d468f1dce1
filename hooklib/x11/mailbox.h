#pragma once
// The hook mailbox: what the hooks catch goes to section "LlibreriaZentavoro" of the
// settings file, which the program reads; then the program is woken to read it at once.

#include <string>

#include "llibreria_zentavoro.h"

namespace zv::hooklib {

// "CLIC": "1" for the switch (left button, or any key under the any-key hook), "2" for
// the right button.
void reportClick(const char* value);
// "KEYBOARD": the virtual-key code of the last key, in decimal.
void reportKey(int virtualKey);
// "TÍTOL FINESTRA": the title (code page 1252) of the window that a recorded click went
// to. Written before the click it belongs to, and wakes nobody by itself.
void reportWindowTitle(const std::string& title);

// Reports wait while the program reads a key and resets it.
void holdReports(bool hold);

// Who is woken after each report (called on the library's thread).
void setReportListener(LzReportListener listener, void* context);

}  // namespace zv::hooklib
