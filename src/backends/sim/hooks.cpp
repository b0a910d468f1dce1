// The simulated hook library: the user's presses and keys kept for the program in memory, as the real libraries do.
#include "backends/sim/hooks.h"

#include <algorithm>

#include "backends/sim/clock_and_timers.h"
#include "backends/sim/trace.h"
#include "platform/press_report.h"
#include "platform/virtual_keys.h"

namespace zv::sim {

namespace {
constexpr int kKeyboard = 1, kAnyKey = 2;
// As many reports as the real libraries keep.
constexpr size_t kCapacity = 256;
}  // namespace

void SimHooks::called(const char* name) {
    calls_.emplace_back(name);
    trace_(std::string("hook library: ") + name);
}

void SimHooks::report(HookReport::Kind kind, int value, std::optional<std::string> title) {
    const bool key = kind == HookReport::Kind::Key;
    trace_(std::string("hook library reports ") + (key ? "key " : "click ") + std::to_string(value) +
           (title ? " in \"" + *title + "\"" : ""));
    if (reports_.size() == kCapacity) reports_.pop_front();
    reports_.push_back({kind, value, clock_.now() - earlier_, std::move(title)});
    reported_ = true;
}

std::optional<HookReport> SimHooks::takeReport() {
    if (reports_.empty()) return std::nullopt;
    HookReport taken = std::move(reports_.front());
    reports_.pop_front();
    return taken;
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
    struct Once {
        uint32_t& earlier;
        ~Once() { earlier = 0; }
    } once{earlier_};
    if (!processRunning_ || mouse_ == MouseHook::None) return false;
    const auto type = button == MouseButton::Left    ? InputEvent::Type::LeftButton
                      : button == MouseButton::Right ? InputEvent::Type::RightButton
                                                     : InputEvent::Type::OtherButton;
    const auto pressed = pressReport({type}, mouse_ == MouseHook::Recording ? HookMode::MouseRecording : HookMode::MouseExecution);
    if (!pressed) return false;
    std::optional<std::string> title;
    if (pressed->titleFirst) title = titleUnderPointer;
    report(pressed->kind, pressed->value, std::move(title));
    return !held;
}

bool SimHooks::userKey(uint8_t vk, bool held) {
    struct Once {
        uint32_t& earlier;
        ~Once() { earlier = 0; }
    } once{earlier_};
    if (!processRunning_) return false;
    // The hook installed last meets the key first; the any-key hook takes it.
    for (auto it = keyChain_.rbegin(); it != keyChain_.rend(); ++it) {
        const HookMode hook = *it == kKeyboard ? HookMode::Keyboard : HookMode::AnyKeySwitch;
        if (const auto pressed = pressReport({InputEvent::Type::Key, vk}, hook)) report(pressed->kind, pressed->value);
        if (hook == HookMode::AnyKeySwitch) return !held;
        // A stop key stops recording or scanning, and stays with the program.
        if ((vk == vk::Space || vk == vk::Alt) && mouse_ != MouseHook::None && !held) return true;
    }
    return false;
}

void SimHooks::reset() {
    mouse_ = MouseHook::None;
    keyboard_ = anyKey_ = false;
    keyChain_.clear();
    calls_.clear();
    reported_ = false;
    reports_.clear();
    earlier_ = 0;
}

}  // namespace zv::sim
