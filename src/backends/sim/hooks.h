#pragma once
// The simulated companion hook library. Like the real ones it keeps what it catches of the
// user's input in memory, stamped with the virtual clock at the press, until the program
// takes it; it wakes the program after each report. The mouse hooks take the presses they
// report, the keyboard hook only listens except to the stop keys (Space and Alt) while a
// mouse hook is in too, the any-key hook takes the keys. While another program holds the
// pointer and the keyboard (an open menu) the hooks still report every press but can take
// none. Input the program synthesises never reaches it.

#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "platform/hook_library.h"
#include "widgets/widget.h"

namespace zv::sim {

class Trace;
class SimClock;

enum class MouseHook { None, Execution, Recording };

class SimHooks : public HookLibrary {
public:
    SimHooks(const Trace& trace, const SimClock& clock) : trace_(trace), clock_(clock) {}

    void SetHookExecucio() override;
    void SetHookGrabacio() override;
    void UnHookHook() override;
    void SetHookKeyboard() override;
    void SetHookQualsevolTecla() override;
    void UnHookKeyboard() override;
    void UnHookQualsevolTecla() override;
    std::optional<HookReport> takeReport() override;
    // The user's next press or key was made this many milliseconds before it reaches the
    // hooks, as when a report is slow to arrive: its report carries the earlier moment.
    void nextInputMadeEarlier(uint32_t ms) { earlier_ = ms; }

    MouseHook mouseHook() const { return mouse_; }
    bool keyboardHook() const { return keyboard_; }
    bool anyKeyHook() const { return anyKey_; }
    // "mouse-execution", "mouse-recording", "keyboard", "any-key": what is installed now.
    std::vector<std::string> installed() const;
    // The operations called, by name, since the record was last emptied.
    std::vector<std::string>& calls() { return calls_; }

    // The user's input as the hooks see it while the program's process runs. True when
    // a hook took it, so that no window gets it. titleUnderPointer is what the recording
    // hook writes as the title of the clicked window.
    // `held`: another program holds the pointer and the keyboard, so nothing can be taken.
    bool userPress(MouseButton button, const std::string& titleUnderPointer, bool held = false);
    bool userKey(uint8_t vk, bool held = false);

    // True once after the hooks have made a report: the library then wakes the program
    // (outside the hook callback, as the real ones do).
    bool takeWakeUp() { return std::exchange(reported_, false); }
    // The reports not taken yet, oldest first.
    const std::deque<HookReport>& waiting() const { return reports_; }

    // Hooks live in the program's process: they act only while it runs, and a new
    // process starts with none, and with no report waiting.
    void setProcessRunning(bool running) { processRunning_ = running; }
    void reset();

private:
    void called(const char* name);
    void report(HookReport::Kind kind, int value, std::optional<std::string> title = std::nullopt);
    void installKeyHook(int which);
    void removeKeyHook(int which);

    const Trace& trace_;
    const SimClock& clock_;
    uint32_t earlier_ = 0;
    MouseHook mouse_ = MouseHook::None;
    bool keyboard_ = false, anyKey_ = false;
    // Keyboard hooks in installation order: the last one installed sees a key first.
    std::vector<int> keyChain_;
    std::vector<std::string> calls_;
    bool processRunning_ = true;
    bool reported_ = false;
    std::deque<HookReport> reports_;
};

}  // namespace zv::sim
