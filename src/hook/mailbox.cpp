#include "hook/mailbox.h"

#include "app/settings.h"
#include "app/settings_keys.h"
#include "platform/hook_library.h"

namespace zv::mailbox {

std::string readClick() { return settings::read(keys::kSectionLibrary, keys::kClick, "0"); }
void writeClick(const std::string& value) { settings::write(keys::kSectionLibrary, keys::kClick, value); }
std::string readKeyboard() { return settings::read(keys::kSectionLibrary, keys::kKeyboard, "0"); }
void resetKeyboard() { settings::write(keys::kSectionLibrary, keys::kKeyboard, "0"); }

namespace {

std::string take(HookLibrary& hooks, const char* key) {
    struct Hold {
        HookLibrary& hooks;
        explicit Hold(HookLibrary& h) : hooks(h) { hooks.holdReports(true); }
        ~Hold() { hooks.holdReports(false); }
    } hold(hooks);
    std::string value = settings::read(keys::kSectionLibrary, key, "0");
    settings::write(keys::kSectionLibrary, key, "0");
    return value;
}

}  // namespace

std::string takeClick(HookLibrary& hooks) { return take(hooks, keys::kClick); }
std::string takeKeyboard(HookLibrary& hooks) { return take(hooks, keys::kKeyboard); }

}  // namespace zv::mailbox
