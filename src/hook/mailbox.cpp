#include "hook/mailbox.h"

#include "app/settings.h"
#include "app/settings_keys.h"

namespace zv::mailbox {

std::string readClick() { return settings::read(keys::kSectionLibrary, keys::kClick, "0"); }
void writeClick(const std::string& value) { settings::write(keys::kSectionLibrary, keys::kClick, value); }
std::string readKeyboard() { return settings::read(keys::kSectionLibrary, keys::kKeyboard, "0"); }
void resetKeyboard() { settings::write(keys::kSectionLibrary, keys::kKeyboard, "0"); }

}  // namespace zv::mailbox
