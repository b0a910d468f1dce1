#pragma once
// The platform port: everything the program asks of the operating system. Each backend
// (simulated, Win32, X11) implements all of it; the compiler checks it is complete.
// Every text crossing this interface is code page 1252 bytes, except the names of files
// and folders, the titles that windowTitle reads, the names of the accessibility layer and
// the texts of speech: these are UTF-8, so that a name or a title in any script reaches the
// disk and the comparisons whole (on Linux a name is its own bytes, whatever they are).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/hook_library.h"
#include "platform/screen_pixels.h"
#include "platform/virtual_keys.h"
#include "platform/write_result.h"
#include "widgets/form.h"

namespace zv {

class Application;

struct ScreenPoint {
    int x = 0, y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

struct ScreenSize {
    int width = 0, height = 0;
};

struct VersionInfo {
    unsigned major = 0, minor = 0, build = 0, platformId = 0;
    std::string servicePack;
};

struct FileDialogSpec {
    std::string title;
    // Pairs of description and pattern, the first being the default.
    std::vector<std::pair<std::string, std::string>> filters;
    std::string defaultExtension;   // without the point; empty for none
    std::string fileName;           // proposed name, UTF-8 as every file name
    bool mustExist = false;
    bool askOverwrite = false;
    bool hideReadOnly = true;
    bool noReadOnlyResult = false;
};

// The accessibility layer's answer to one look-up: the name of the element at the place
// asked about, UTF-8, empty when the element has none or the look-up failed.
struct AccessibleNameAnswer {
    uint32_t request = 0;
    std::string name;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Clock and waiting. The tick count is 32-bit milliseconds and wraps.
    virtual uint32_t tickCount() = 0;
    virtual void sleep(unsigned ms) = 0;
    // Processes the window messages that are pending now (timers fire inside it).
    virtual void processMessages(Application& app) = 0;
    // Runs the message loop until the application is terminated.
    virtual void runMessageLoop(Application& app) = 0;

    // Pointer.
    virtual ScreenPoint cursorPos() = 0;
    virtual void setCursorPos(int x, int y) = 0;

    // Synthesised input. Coordinates of an absolute mouse event are 0..65535.
    virtual void mouseEvent(uint32_t flags, int dx, int dy) = 0;
    virtual void keyEvent(uint8_t vk, bool up) = 0;

    // Screen.
    virtual ScreenSize primaryScreenSize() = 0;
    // Every screen of the desktop, in pixels of the primary screen's coordinates, the
    // primary one first.
    virtual std::vector<Rect> screens() = 0;
    // A picture of the whole primary screen, by a name that this backend's images can
    // show; released when no longer needed.
    virtual std::string captureScreen() = 0;
    virtual void releaseCapture(const std::string& picture) = 0;
    // A part of the screen as its pixels show now (every window as the user sees it, the
    // program's own included), in pixels of the primary screen's coordinates; pixels off
    // every screen are unseen. Nothing when the screen cannot be read at all.
    virtual std::optional<ScreenPixels> screenPixels(const Rect& area) = 0;
    // The scale of the display at a point of the screen: 100 at 96 dots per inch.
    virtual int displayScale(int x, int y) = 0;

    // Windows, top level. Enumeration is in the system's order (top of the z-order first).
    virtual WindowId foregroundWindow() = 0;
    virtual std::string windowText(WindowId w, int maxChars) = 0;
    // The same title in UTF-8, every character kept: at most maxChars characters.
    virtual std::string windowTitle(WindowId w, int maxChars) = 0;
    virtual std::string className(WindowId w, int maxChars) = 0;
    virtual std::vector<WindowId> topLevelWindows() = 0;
    virtual WindowId windowFromPoint(int x, int y) = 0;
    virtual void setForegroundWindow(WindowId w) = 0;
    // The outer rectangle of a top-level window shown on the screen (the border and title
    // bar that the system or the window manager draws round it included), in pixels of the
    // primary screen's coordinates; nothing for a window that no longer exists, is hidden
    // or is minimised.
    virtual std::optional<Rect> windowRect(WindowId w) = 0;

    // Shell and sound.
    virtual void shellOpen(const std::string& target) = 0;
    // Where this desktop installed the carers' help, for the help entry to open; nothing
    // where the help entry keeps to the help file of the current folder and stays hidden.
    virtual std::optional<std::string> installedHelp() = 0;
    virtual void messageBeep(unsigned type) = 0;

    // Dialogs. The file dialogs return the chosen path (UTF-8), or nothing when cancelled.
    virtual std::optional<std::string> openFileDialog(const FileDialogSpec& spec) = 0;
    virtual std::optional<std::string> saveFileDialog(const FileDialogSpec& spec) = 0;
    virtual std::optional<uint32_t> colorDialog(uint32_t initial) = 0;
    // A message box with the information icon and one OK button.
    virtual void messageBox(const std::string& text, const std::string& title) = 0;
    // A question with the question icon and the buttons Yes (the default) and No: true for
    // Yes. Closing the box is No.
    virtual bool questionBox(const std::string& text, const std::string& title) = 0;
    // The general error report of an unforeseen failure.
    virtual void errorReport(const std::string& text) = 0;

    // System.
    virtual VersionInfo version() = 0;
    virtual std::string currentDirectory() = 0;
    virtual bool setCurrentDirectory(const std::string& dir) = 0;
    // Names (without folder) of the plain files of the folder that are neither hidden nor
    // system files, in any order. Which of them the program wants is the program's rule.
    virtual std::vector<std::string> listFiles(const std::string& folder) = 0;
    // Whole-file reading and writing; a relative name is taken from the current directory.
    // Reading fails, without reading it whole, for a file of more than maxBytes bytes.
    virtual std::optional<std::string> readFile(const std::string& name, size_t maxBytes) = 0;
    // Creates or replaces the file whole: on any failure the old file is left as it was.
    // A read-only file is refused.
    virtual WriteResult writeFile(const std::string& name, const std::string& bytes) = 0;

    // One copy of the program at a time, from the moment it starts, seen through a claim
    // that the desktop holds for the process that made it until that process ends (not the
    // settings file: a second start must not touch it).
    // claimInstance: true when this process holds the claim now (it made it, now or
    // before); false while another process holds it, running or still starting.
    virtual bool claimInstance() = 0;
    // The main window that the process holding the claim has named, whether shown or
    // hidden; 0 while it has named none (it is still starting) or nobody holds the claim.
    virtual WindowId instanceWindow() = 0;
    // Names this process's main window to the other starts, once it holds the claim.
    virtual void announceInstanceWindow(WindowId mainWindow) = 0;

    // The accessibility layer (UI Automation and Active Accessibility, AT-SPI). Gets it
    // ready, off the user-interface thread, for the look-ups to come (a recording that
    // names its points is starting): the first look-up would otherwise wait for it.
    virtual void readyAccessibility() = 0;
    // Asks, off
    // the user-interface thread, for the name of the element at (x, y) in the top-level
    // window `w` of another program; the answer comes later through accessibleNames().
    // Nothing when the desktop has no accessibility layer to ask: the answer never comes.
    virtual std::optional<uint32_t> requestAccessibleName(WindowId w, int x, int y) = 0;
    // The answers that arrived since the last call, in any order. A look-up that an
    // application never answers (it hangs, or ignores the layer) has no answer.
    virtual std::vector<AccessibleNameAnswer> accessibleNames() = 0;

    // The speech of the desktop (SAPI 5, speech-dispatcher), with the user's own voice and
    // rate. Texts are UTF-8: a name from the accessibility layer may hold any character.
    // Readies it to speak, in a voice of the language (an IETF tag: "es", "ca", "en"...)
    // when the desktop has one, else in its own; false when there is no speech service,
    // no voice, or the service fails.
    virtual bool prepareSpeech(const std::string& language) = 0;
    // Cuts off what is still being said and starts saying the text, without waiting for
    // it; false when it cannot be said (no service, or the service failed).
    virtual bool speak(const std::string& text) = 0;
    // Whether the last text is still being said.
    virtual bool speaking() = 0;
    // Cuts off whatever is being said.
    virtual void stopSpeaking() = 0;

    // The companion hook library.
    virtual HookLibrary& hooks() = 0;

    // The native side of a form: created hidden.
    virtual std::unique_ptr<FormBinding> bind(Form& form) = 0;
};

}  // namespace zv
