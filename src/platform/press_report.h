#pragma once
// Which presses a hook library reports, and how: the rule every hook library follows, on
// every system. The libraries decide which hooks meet an event (and which of them take it
// from the application); this decides what each of those hooks reports.

#include <optional>

#include "platform/hook_library.h"

namespace zv {

// The hook that met an input event.
enum class HookMode { Off, MouseExecution, MouseRecording, Keyboard, AnyKeySwitch };

struct InputEvent {
    enum class Type { LeftButton, RightButton, OtherButton, Key };
    Type type = Type::LeftButton;
    // Key: the virtual-key code, 0 for a key that has none.
    int virtualKey = 0;
};

struct PressReport {
    HookReport::Kind kind = HookReport::Kind::Click;
    // Click: a mailbox_keys::ClickValue. Key: the virtual-key code.
    int value = 0;
    // The title of the top-level window under the pointer is reported first, so that it
    // travels with the press.
    bool titleFirst = false;

    bool operator==(const PressReport&) const = default;
};

// Nothing when the hook does not report that event.
std::optional<PressReport> pressReport(const InputEvent& event, HookMode mode);

}  // namespace zv
