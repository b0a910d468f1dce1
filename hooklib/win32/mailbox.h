#pragma once
// Writing the hook mailbox: section "LlibreriaZentavoro" of the settings file.

#include <string>

namespace lz {

// "CLIC": "1" for a switch press, "2" for the right button.
void reportClick(const char* value);
// "KEYBOARD": the virtual-key code in decimal.
void reportKey(unsigned vk);
// "TÍTOL FINESTRA": the title of the top-level window under the given screen point.
void reportWindowTitleAt(long x, long y);

}  // namespace lz
