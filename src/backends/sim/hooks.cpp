// The simulated hook library: the user's presses and keys reported in the mailbox, as the real libraries do.
#include "backends/sim/hooks.h"

#include <algorithm>

#include "backends/sim/trace.h"
#include "platform/mailbox_keys.h"
#include "platform/profile.h"
#include "platform/virtual_keys.h"

namespace zv::sim {

namespace {
constexpr int kKeyboard = 1, kAnyKey = 2;
}  // namespace

void SimHooks::called(const char* name) {
    calls_.emplace_back(name);
    trace_(std::string("hook library: ") + name);
}

void SimHooks::write(const std::string& key, const std::string& value) {
    profileSet(settingsFilePath(), mailbox_keys::kSection, key, value);
    trace_("hook library writes " + key + " = \"" + value + "\"");
    reported_ = true;
}

void SimHooks::installKeyHook(int which) {
    std::erase(keyChain_, which);
    keyChain_.push_back(which);
}

void SimHooks::removeKeyHook(int which) { std::erase(keyChain_, which); }

void SimHooks::SetHookExecucio() {
    called("SetHookExecucio");
    mouse_ = MouseHook::Execution;
}

void SimHooks::SetHookGrabacio() {
    called("SetHookGrabacio");
    mouse_ = MouseHook::Recording;
}

void SimHooks::UnHookHook() {
    called("UnHookHook");
    mouse_ = MouseHook::None;
}

void SimHooks::SetHookKeyboard() {
    called("SetHookKeyboard");
    keyboard_ = true;
    installKeyHook(kKeyboard);
}

void SimHooks::SetHookQualsevolTecla() {
    called("SetHookQualsevolTecla");
    anyKey_ = true;
    installKeyHook(kAnyKey);
}

void SimHooks::UnHookKeyboard() {
    called("UnHookKeyboard");
    keyboard_ = false;
    removeKeyHook(kKeyboard);
}

void SimHooks::UnHookQualsevolTecla() {
    called("UnHookQualsevolTecla");
    anyKey_ = false;
    removeKeyHook(kAnyKey);
}

std::vector<std::string> SimHooks::installed() const {
    std::vector<std::string> out;
    if (mouse_ == MouseHook::Execution) out.emplace_back("mouse-execution");
    if (mouse_ == MouseHook::Recording) out.emplace_back("mouse-recording");
    if (keyboard_) out.emplace_back("keyboard");
    if (anyKey_) out.emplace_back("any-key");
    return out;
}

bool SimHooks::userPress(MouseButton button, const std::string& titleUnderPointer, bool held) {
    if (!processRunning_ || mouse_ == MouseHook::None || button == MouseButton::Middle) return false;
    if (mouse_ == MouseHook::Recording) write(mailbox_keys::kWindowTitle, titleUnderPointer);
    write(mailbox_keys::kClick, button == MouseButton::Left ? "1" : "2");
    return !held;
}

bool SimHooks::userKey(uint8_t vk, bool held) {
    if (!processRunning_) return false;
    for (auto it = keyChain_.rbegin(); it != keyChain_.rend(); ++it) {
        if (*it == kKeyboard) {
            write(mailbox_keys::kKeyboard, vk::text(vk));
            // A stop key stops recording or scanning, and stays with the program.
            if ((vk == vk::Space || vk == vk::Alt) && mouse_ != MouseHook::None && !held) return true;
        } else {
            write(mailbox_keys::kClick, "1");
            return !held;
        }
    }
    return false;
}

void SimHooks::reset() {
    mouse_ = MouseHook::None;
    keyboard_ = anyKey_ = false;
    keyChain_.clear();
    calls_.clear();
    reported_ = false;
}

}  // namespace zv::sim
