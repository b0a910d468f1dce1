#pragma once
// The hook mailbox in the settings file: keys of section "LlibreriaZentavoro" that other
// programs may write and the program reads and resets. Every access goes to the file at
// that moment. (The hook library's own reports come in memory: hook/hook_mailbox.h.)

#include <string>

namespace zv::mailbox {

std::string readKeyboard();
void resetKeyboard();

std::string readClick();
void resetClick();
// Reads the key and writes "0" back.
std::string takeKeyboard();

}  // namespace zv::mailbox
