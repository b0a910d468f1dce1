#pragma once
// The hook mailbox: keys of section "LlibreriaZentavoro" that the hook library writes and
// the program reads and resets. Every access goes to the file at that moment.

#include <string>

namespace zv {
class HookLibrary;
}

namespace zv::mailbox {

std::string readClick();
void writeClick(const std::string& value);
std::string readKeyboard();
void resetKeyboard();

// Reads the key and writes "0" back, with the library's reports held in between: a press
// reported at that moment waits and is read by the next tick instead of being reset unread.
std::string takeClick(HookLibrary& hooks);
std::string takeKeyboard(HookLibrary& hooks);

}  // namespace zv::mailbox
