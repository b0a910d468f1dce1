#include "platform/press_report.h"

#include "platform/mailbox_keys.h"

namespace zv {

namespace {
PressReport click(mailbox_keys::ClickValue value, bool titleFirst = false) {
    return {HookReport::Kind::Click, static_cast<int>(value), titleFirst};
}
}  // namespace

std::optional<PressReport> pressReport(const InputEvent& event, HookMode mode) {
    using Type = InputEvent::Type;
    using mailbox_keys::ClickValue;
    switch (mode) {
    case HookMode::MouseExecution:
    case HookMode::MouseRecording:
        // While recording, the press names the window it went to.
        if (event.type == Type::LeftButton) return click(ClickValue::Switch, mode == HookMode::MouseRecording);
        if (event.type == Type::RightButton) return click(ClickValue::RightButton);
        return std::nullopt;
    case HookMode::Keyboard:
        if (event.type != Type::Key || event.virtualKey == 0) return std::nullopt;
        return PressReport{HookReport::Kind::Key, event.virtualKey, false};
    case HookMode::AnyKeySwitch:
        // Any key is the switch, whatever its code.
        if (event.type != Type::Key) return std::nullopt;
        return click(ClickValue::Switch);
    case HookMode::Off:
        break;
    }
    return std::nullopt;
}

}  // namespace zv
