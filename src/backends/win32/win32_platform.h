#pragma once
// The Win32 platform: every operation of the port through user32, gdi32, shell32, comdlg32
// and kernel32, and the native windows of the widget model (Win32Binding).

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "backends/win32/pictures.h"
#include "platform/platform.h"

namespace zv::win32 {

class Win32Binding;
class AccessibleNames;
class SapiVoice;

class Win32Platform final : public Platform {
public:
    explicit Win32Platform(HINSTANCE instance);
    ~Win32Platform() override;

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
    HINSTANCE instance() const { return instance_; }
    Pictures& pictures() { return pictures_; }
    // The hidden window that owns every form but the main one, so that only the main
    // window has a taskbar button and minimising it leaves the others alone.
    HWND ownerWindow() const { return owner_; }
    // The owner of message boxes and dialogs: the main window once it exists.
    HWND dialogOwner() const;
    HFONT font(const std::string& family, int height, bool bold);
    void added(Win32Binding* binding);
    void removed(Win32Binding* binding);
    // One message taken from the queue: the menu shortcuts of the forms first.
    void handle(MSG& msg);
    // WM_ACTIVATEAPP reaches every top-level window of the program; the program hears one
    // activation per change.
    void applicationActivated(Application& app, bool active);

    // What the hook library's wake-up posts to the owner window.
    static constexpr UINT kHookReportMessage = WM_APP + 1;
    void hookReported();

private:
    static LRESULT CALLBACK ownerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void listenToHooks();
    void stopListeningToHooks();

    HINSTANCE instance_;
    HWND owner_ = nullptr;
    Application* app_ = nullptr;
    Pictures pictures_;
    std::vector<Win32Binding*> bindings_;
    std::map<std::tuple<std::string, int, bool>, HFONT> fonts_;
    std::unique_ptr<HookLibrary> hooks_;
    std::unique_ptr<AccessibleNames> names_;
    std::unique_ptr<SapiVoice> voice_;
    bool active_ = false;
    HANDLE instanceMutex_ = nullptr;  // the one-copy claim, once made
};

}  // namespace zv::win32
