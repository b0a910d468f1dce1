#include "hook/mailbox.h"

#include "app/settings.h"
#include "app/settings_keys.h"

namespace zv::mailbox {

namespace {

// "CLIC" and "KEYBOARD" read as "0" when absent, so a "0" that cannot be written loses
// nothing where the file holds none.
constexpr const char* kAtRest = "0";

std::string take(const char* key) {
    std::string value = settings::read(keys::kSectionLibrary, key, kAtRest);
    settings::write(keys::kSectionLibrary, key, kAtRest, kAtRest);
    return value;
}

}  // namespace

std::string readKeyboard() { return settings::read(keys::kSectionLibrary, keys::kKeyboard, kAtRest); }
void resetKeyboard() { settings::write(keys::kSectionLibrary, keys::kKeyboard, kAtRest, kAtRest); }

std::string readClick() { return settings::read(keys::kSectionLibrary, keys::kClick, kAtRest); }
void resetClick() { settings::write(keys::kSectionLibrary, keys::kClick, kAtRest, kAtRest); }
std::string takeKeyboard() { return take(keys::kKeyboard); }

}  // namespace zv::mailbox
