#pragma once
// The hook mailbox: keys of section "LlibreriaZentavoro" that the hook library writes and
// the program reads and resets. Every access goes to the file at that moment.

#include <string>

namespace zv::mailbox {

std::string readClick();
void writeClick(const std::string& value);
std::string readKeyboard();
void resetKeyboard();

}  // namespace zv::mailbox
