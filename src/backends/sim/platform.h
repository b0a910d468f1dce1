#pragma once
// The simulated desktop as the program sees it: the whole platform port over a virtual
// clock, virtual windows, a scripted user and a simulated hook library. The scenario
// runner (or a test) drives the world through the parts this class exposes.

#include <functional>
#include <memory>
#include <string>

#include "backends/sim/accessibility.h"
#include "backends/sim/clock_and_timers.h"
#include "backends/sim/desktop.h"
#include "backends/sim/dialogs.h"
#include "backends/sim/files.h"
#include "backends/sim/hooks.h"
#include "backends/sim/input.h"
#include "backends/sim/speech.h"
#include "backends/sim/trace.h"
#include "platform/platform.h"

namespace zv::sim {

class SimPlatform : public Platform {
public:
    SimPlatform();

    // The parts of the world.
    SimClock& clock() { return clock_; }
    TimerQueue& timers() { return timers_; }
    Desktop& desktop() { return desktop_; }
    InputRouter& input() { return input_; }
    SimHooks& simHooks() { return hooks_; }
    SimDialogs& dialogs() { return dialogs_; }
    SimFiles& files() { return files_; }
    SimAccessibility& accessibility() { return accessibility_; }
    SimSpeech& speech() { return speech_; }
    Trace& trace() { return trace_; }
    ScreenSize screen{1024, 768};
    // Screens beside the primary one, in its coordinates.
    std::vector<Rect> moreScreens;
    VersionInfo versionInfo{5, 1, 2600, 2, "Service Pack 3"};
    std::string lastShellTarget;
    // Where the carers' help is installed, as the Linux package installs it; none by default.
    std::optional<std::string> helpFile;

    // Who runs a modal window's loop and the program's message loop: the scenario runner
    // installs these to go on with its commands until the window closes.
    std::function<void(Form&)> modalLoop;
    std::function<void(Application&)> messageLoop;

    // The message loop running for ms of virtual time.
    void runFor(uint32_t ms);
    // The program's process has ended: its windows and timers are gone.
    void endProcess(Application& app);
    // Forgets what was recorded: synthesised input, hook calls, what the foreign windows
    // received, dialogs, messages and error reports.
    void clearRecords();
    // The user brings a window to the front (clicking it, or from the task bar).
    void userFront(WindowId id) { desktop_.bringToFront(id); }
    // A process the user has just started is the active application from its launch:
    // its first windows coming to the front are no activation.
    void processStarted(Application& app);
    const Application* activeApplication() const { return activeApp_; }

    // Another copy of the program, outside the world's programs, holds the claim of one
    // copy at a time: still starting (no window named yet), or with this window named.
    enum class OtherCopy { None, Starting, Running };
    void setOtherCopy(OtherCopy copy, WindowId window = 0) {
        otherCopy_ = copy;
        otherCopyWindow_ = window;
    }

    // Platform port.
    uint32_t tickCount() override;
    void sleep(unsigned ms) override;
    void processMessages(Application& app) override;
    void runMessageLoop(Application& app) override;
    ScreenPoint cursorPos() override;
    void setCursorPos(int x, int y) override;
    void mouseEvent(uint32_t flags, int dx, int dy) override;
    void keyEvent(uint8_t vk, bool up) override;
    ScreenSize primaryScreenSize() override;
    std::vector<Rect> screens() override;
    std::string captureScreen() override;
    void releaseCapture(const std::string& picture) override;
    std::optional<ScreenPixels> screenPixels(const Rect& area) override;
    int displayScale(int x, int y) override;
    WindowId foregroundWindow() override;
    std::string windowText(WindowId w, int maxChars) override;
    std::string windowTitle(WindowId w, int maxChars) override;
    std::string className(WindowId w, int maxChars) override;
    std::vector<WindowId> topLevelWindows() override;
    WindowId windowFromPoint(int x, int y) override;
    void setForegroundWindow(WindowId w) override;
    std::optional<Rect> windowRect(WindowId w) override;
    void shellOpen(const std::string& target) override;
    std::optional<std::string> installedHelp() override;
    void messageBeep(unsigned type) override;
    std::optional<std::string> openFileDialog(const FileDialogSpec& spec) override;
    std::optional<std::string> saveFileDialog(const FileDialogSpec& spec) override;
    std::optional<uint32_t> colorDialog(uint32_t initial) override;
    void messageBox(const std::string& text, const std::string& title) override;
    bool questionBox(const std::string& text, const std::string& title) override;
    void errorReport(const std::string& text) override;
    VersionInfo version() override;
    std::string currentDirectory() override;
    bool setCurrentDirectory(const std::string& dir) override;
    std::vector<std::string> listFiles(const std::string& folder) override;
    std::optional<std::string> readFile(const std::string& name, size_t maxBytes) override;
    WriteResult writeFile(const std::string& name, const std::string& bytes) override;
    bool claimInstance() override;
    WindowId instanceWindow() override;
    void announceInstanceWindow(WindowId mainWindow) override;
    void readyAccessibility() override;
    std::optional<uint32_t> requestAccessibleName(WindowId w, int x, int y) override;
    std::vector<AccessibleNameAnswer> accessibleNames() override;
    bool prepareSpeech(const std::string& language) override;
    bool speak(const std::string& text) override;
    bool speaking() override;
    void stopSpeaking() override;
    HookLibrary& hooks() override { return hooks_; }
    std::unique_ptr<FormBinding> bind(Form& form) override;

    // What the forms' bindings ask of the world.
    void formShown(Form& form, WindowId id, bool visible);
    void runModal(Form& form, WindowId id);
    void formGone(const Form* form, WindowId id);

private:
    void frontChanged(WindowId previous, WindowId now);

    Trace trace_;
    SimClock clock_;
    TimerQueue timers_;
    Desktop desktop_;
    SimHooks hooks_;
    InputRouter input_;
    SimDialogs dialogs_;
    SimFiles files_;
    SimAccessibility accessibility_;
    SimSpeech speech_;
    int captures_ = 0;
    const Application* activeApp_ = nullptr;
    // The process whose hooks are the library's: the first of ours still running.
    Application* hookProcess_ = nullptr;
    // The one-copy claim: the process starting now, the one holding the claim and the
    // window it named.
    Application* startingApp_ = nullptr;
    Application* claimHolder_ = nullptr;
    WindowId claimWindow_ = 0;
    OtherCopy otherCopy_ = OtherCopy::None;
    WindowId otherCopyWindow_ = 0;
};

}  // namespace zv::sim
