#pragma once
// The Linux desktop: Qt 6 Widgets draws the windows, Xlib does the rest. Qt talks to the
// X server on its own connection; this platform keeps a second one for what Qt does not
// offer (synthesised input, other programs' windows, the screen's pixels, shapes).
//
// Window ids are X window ids everywhere: our own windows by the client window Qt
// creates (QWidget::winId of the top level), other programs' by their client window
// (the one the window manager lists), never the window manager's frame.

#include <map>
#include <memory>
#include <set>
#include <string>

#include "platform/platform.h"

using Display = struct _XDisplay;
class QWidget;

namespace zv::x11 {

class Pictures;
class AtspiNames;
class SpeechDispatcher;

class X11Platform : public Platform {
public:
    // Takes an open connection to the X server and closes it at the end.
    explicit X11Platform(Display* display);
    ~X11Platform() override;

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

    HookLibrary& hooks() override;

    std::unique_ptr<FormBinding> bind(Form& form) override;

    // For the bindings.
    Display* display() const { return display_; }
    Pictures& pictures() { return *pictures_; }
    // Puts a top-level window in the always-on-top layer (or takes it out) through the
    // window manager, and raises it without giving it the focus.
    void keepAbove(WindowId w, bool above);
    void raise(WindowId w);
    // Takes the name off a window (Qt never leaves one without).
    void clearTitle(WindowId w);
    // The input and visible shape of a top-level window, in its own coordinates; an empty
    // list gives the whole window back.
    void setShape(WindowId w, const std::vector<Rect>& rects, bool whole);
    // An empty input shape: clicks on the window land on the windows underneath.
    void letInputThrough(WindowId w);
    // What the window manager adds round a client window, as left, right, top, bottom:
    // for a window it manages, and what it will add round a decorated window that can be
    // resized or not, before one is shown.
    struct Extents {
        int left = 0, right = 0, top = 0, bottom = 0;
        bool known = false;
    };
    Extents frameExtents(WindowId w);
    Extents expectedFrameExtents(bool fixedSize);
    // Returns once the window manager has handled what the server sent it so far.
    void waitForWindowManager();
    void releaseUserModifiers();
    // The window that owns the dialogs and message boxes: the active one of ours, else
    // the main window.
    QWidget* dialogOwner() const;

    // The keysym of a key's first level: what its cap shows unshifted.
    unsigned long unshiftedKeysym(unsigned keycode);

    // Makes sure the X server has seen every request Qt made so far (the windows it
    // created), before we speak about them on our own connection.
    void syncToolkit();

    // The hook library has put a report in the mailbox (on the user-interface thread).
    void hookReported();

    // A name from the system in code page 1252, remembering its real bytes when the code
    // page cannot hold it; and the real bytes of a name the program hands back.
    std::string systemName(const std::string& native);
    std::string nativeName(const std::string& name) const;

private:
    void watchActivation(Application& app);
    void listenToHooks();
    void stopListeningToHooks();
    // Tells the hook library which events are the program's own before it sends them.
    void announceOwnKey(unsigned keycode, bool press);
    void announceOwnButton(unsigned button, bool press);
    std::optional<std::string> fileDialog(const FileDialogSpec& spec, bool save);

    Display* display_;
    std::unique_ptr<Pictures> pictures_;
    std::unique_ptr<HookLibrary> hooks_;
    Application* app_ = nullptr;
    std::map<std::string, std::string> nativeNames_;
    Extents sizeableExtents_, fixedExtents_;
    std::set<uint8_t> heldModifiers_;   // synthesised modifier keys now down
    unsigned long claimWindow_ = 0;     // owns the one-copy selection once claimed
    bool instanceClaimed_ = false;
    std::unique_ptr<AtspiNames> accessibility_;
    std::unique_ptr<SpeechDispatcher> speech_;
};

// The companion hook library, linked in.
std::unique_ptr<HookLibrary> openHookLibrary();

}  // namespace zv::x11
