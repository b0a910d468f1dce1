#pragma once
// The seven operations of the companion hook library, and what it caught. The library is
// loaded into the program's own process: it hands its reports over in memory, so that a
// press clicks and a stop stops whatever becomes of the settings file.

#include <cstdint>
#include <optional>
#include <string>

#include <cstdint>
#include <optional>

namespace zv {

// One thing the hooks caught, as the mailbox keys would carry it.
struct HookReport {
    enum class Kind { Click, Key };
    Kind kind = Kind::Click;
    // Click: 1 for the switch (left button, or any key under the any-key hook), 2 for the
    // right button. Key: the virtual-key code.
    int value = 0;
    // When the input happened, in the milliseconds of the platform's tick count, which may
    // be earlier than the moment the program takes the report.
    uint32_t tick = 0;
    // A press caught by the recording hook: the title of the top-level window under the
    // pointer at that moment (code page 1252).
    std::optional<std::string> windowTitle;

    bool operator==(const HookReport&) const = default;
};

class HookLibrary {
public:
    virtual ~HookLibrary() = default;
    virtual void SetHookExecucio() = 0;
    virtual void SetHookGrabacio() = 0;
    virtual void UnHookHook() = 0;
    virtual void SetHookKeyboard() = 0;
    virtual void SetHookQualsevolTecla() = 0;
    virtual void UnHookKeyboard() = 0;
    virtual void UnHookQualsevolTecla() = 0;

    // The oldest report the program has not taken yet. Reports wait in the library, in the
    // order they were made, until taken; a library keeps a bounded number of them.
    virtual std::optional<HookReport> takeReport() = 0;
};

}  // namespace zv
