#pragma once
// Writing the hook mailbox: section "LlibreriaZentavoro" of the settings file.

#include <string>

#include "llibreria_zentavoro.h"

namespace lz {

// "CLIC": "1" for a switch press, "2" for the right button.
void reportClick(const char* value);
// "KEYBOARD": the virtual-key code in decimal.
void reportKey(unsigned vk);
// "TÍTOL FINESTRA": the title of the top-level window under the given screen point.
// Written before the click it belongs to, and wakes nobody by itself.
void reportWindowTitleAt(long x, long y);

// Who is woken after each report: called inside the hook callback, so it only posts.
void setReportListener(LzReportListener listener, void* context);

}  // namespace lz
