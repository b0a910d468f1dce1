// The platform port over the virtual desktop: each operation handed to the part of the world it concerns.
#include "backends/sim/platform.h"

#include "backends/sim/binding.h"
#include "platform/text.h"
#include "widgets/application.h"
#include "widgets/layout.h"

namespace zv::sim {

SimPlatform::SimPlatform()
    : timers_(clock_, trace_), desktop_(trace_), hooks_(trace_, clock_), input_(desktop_, hooks_, screen, moreScreens, trace_),
      dialogs_(trace_), accessibility_(clock_, desktop_, trace_), speech_(clock_, trace_) {
    desktop_.onFrontChanged = [this](WindowId previous, WindowId now) { frontChanged(previous, now); };
    input_.onHookReport = [this] {
        if (hookProcess_ && !hookProcess_->terminated()) {
            trace_("the hook library wakes the program");
            hookProcess_->hookReported();
        }
    };
}

void SimPlatform::processStarted(Application& app) {
    activeApp_ = &app;
    startingApp_ = &app;
    if (!hookProcess_) hookProcess_ = &app;
}

void SimPlatform::frontChanged(WindowId previous, WindowId now) {
    const SimWindow* coming = desktop_.find(now);
    if (!coming || coming->foreign()) {
        // Another application, or the bare desktop, is the active one now.
        activeApp_ = nullptr;
        return;
    }
    Form* form = coming->form;
    Application& app = form->app();
    if (app.terminated()) return;
    if (activeApp_ != &app) {
        activeApp_ = &app;
        trace_("the program is activated");
        app.activated();
        return;
    }
    const SimWindow* going = desktop_.find(previous);
    if (!going || going->foreign() || going->form == form || &going->form->app() != &app) return;
    Form* left = going->form;
    if (left->onDeactivate) app.dispatch(left->onDeactivate);
    if (form->onActivate) app.dispatch(form->onActivate);
}

void SimPlatform::runFor(uint32_t ms) {
    timers_.runFor(ms, [this] { input_.flushPending(); });
}

void SimPlatform::endProcess(Application& app) {
    if (activeApp_ == &app) activeApp_ = nullptr;
    if (hookProcess_ == &app) hookProcess_ = nullptr;
    if (claimHolder_ == &app) {
        claimHolder_ = nullptr;
        claimWindow_ = 0;
    }
    for (Form* form : app.forms()) {
        desktop_.remove(form->windowId());
        timers_.forget(form);
        input_.forget(form);
    }
}

void SimPlatform::clearRecords() {
    input_.records().clear();
    hooks_.calls().clear();
    dialogs_.clearRecords();
    for (WindowId id : desktop_.zOrder()) desktop_.find(id)->received.clear();
    speech_.records().clear();
}

bool SimPlatform::claimInstance() {
    if (otherCopy_ != OtherCopy::None) return false;
    if (claimHolder_ && claimHolder_ != startingApp_) return false;
    claimHolder_ = startingApp_;
    return true;
}

WindowId SimPlatform::instanceWindow() {
    if (otherCopy_ != OtherCopy::None) return otherCopyWindow_;
    return claimHolder_ ? claimWindow_ : 0;
}

void SimPlatform::announceInstanceWindow(WindowId mainWindow) {
    if (claimHolder_ && claimHolder_ == startingApp_) claimWindow_ = mainWindow;
}

uint32_t SimPlatform::tickCount() { return clock_.now(); }

void SimPlatform::sleep(unsigned ms) { clock_.advance(ms); }

void SimPlatform::processMessages(Application&) {
    // A pass of the pump takes time here as anywhere: a wait that only pumps ends.
    clock_.advance(1);
    input_.flushPending();
    timers_.deliverDue();
}

void SimPlatform::runMessageLoop(Application& app) {
    if (messageLoop) {
        messageLoop(app);
        return;
    }
    // Nobody is driving the world: let the timers run while any is left.
    while (!app.terminated()) {
        const uint32_t before = clock_.now();
        runFor(60000);
        if (clock_.now() == before) break;
    }
}

ScreenPoint SimPlatform::cursorPos() { return input_.pointer(); }
void SimPlatform::setCursorPos(int x, int y) { input_.setCursorPos(x, y); }
void SimPlatform::mouseEvent(uint32_t flags, int dx, int dy) { input_.mouseEvent(flags, dx, dy); }
void SimPlatform::keyEvent(uint8_t vk, bool up) { input_.keyEvent(vk, up); }
ScreenSize SimPlatform::primaryScreenSize() { return screen; }

std::vector<Rect> SimPlatform::screens() {
    std::vector<Rect> all{{0, 0, screen.width, screen.height}};
    all.insert(all.end(), moreScreens.begin(), moreScreens.end());
    return all;
}

std::string SimPlatform::captureScreen() {
    ++captures_;
    trace_("screen captured");
    return "sim-screen-" + std::to_string(captures_);
}

void SimPlatform::releaseCapture(const std::string& picture) { trace_("released " + picture); }

WindowId SimPlatform::foregroundWindow() { return desktop_.foreground(); }

std::string SimPlatform::windowText(WindowId w, int maxChars) {
    const SimWindow* window = desktop_.find(w);
    if (!window || maxChars <= 0) return {};
    return utf8ToCp1252(window->title).substr(0, static_cast<size_t>(maxChars));
}

std::string SimPlatform::windowTitle(WindowId w, int maxChars) {
    const SimWindow* window = desktop_.find(w);
    if (!window || maxChars <= 0) return {};
    return firstCharsUtf8(window->title, static_cast<size_t>(maxChars));
}

std::string SimPlatform::className(WindowId w, int maxChars) {
    const SimWindow* window = desktop_.find(w);
    if (!window || maxChars <= 0) return {};
    return window->className.substr(0, static_cast<size_t>(maxChars));
}

std::vector<WindowId> SimPlatform::topLevelWindows() { return desktop_.zOrder(); }

WindowId SimPlatform::windowFromPoint(int x, int y) { return desktop_.fromPoint(x, y); }

void SimPlatform::setForegroundWindow(WindowId w) {
    trace_("SetForegroundWindow " + desktop_.describe(w));
    desktop_.bringToFront(w);
}

void SimPlatform::shellOpen(const std::string& target) {
    lastShellTarget = target;
    trace_("shell opens \"" + target + "\"");
}

std::optional<std::string> SimPlatform::installedHelp() { return helpFile; }

void SimPlatform::messageBeep(unsigned type) { input_.beep(type); }

std::optional<std::string> SimPlatform::openFileDialog(const FileDialogSpec& spec) { return dialogs_.openFile(spec); }
std::optional<std::string> SimPlatform::saveFileDialog(const FileDialogSpec& spec) { return dialogs_.saveFile(spec); }
std::optional<uint32_t> SimPlatform::colorDialog(uint32_t initial) { return dialogs_.chooseColor(initial); }

void SimPlatform::messageBox(const std::string& text, const std::string& title) { dialogs_.messageBox(text, title); }
void SimPlatform::errorReport(const std::string& text) { dialogs_.errorReport(text); }
bool SimPlatform::questionBox(const std::string& text, const std::string& title) { return dialogs_.question(text, title); }

VersionInfo SimPlatform::version() { return versionInfo; }
std::string SimPlatform::currentDirectory() { return files_.currentDirectory(); }
bool SimPlatform::setCurrentDirectory(const std::string& dir) { return files_.setCurrentDirectory(dir); }
std::vector<std::string> SimPlatform::listFiles(const std::string& folder) { return files_.listFiles(folder); }
std::optional<std::string> SimPlatform::readFile(const std::string& name, size_t maxBytes) {
    return files_.read(name, maxBytes);
}

WriteResult SimPlatform::writeFile(const std::string& name, const std::string& bytes) {
    WriteResult result = files_.write(name, bytes);
    trace_("write " + name + (result ? "" : " refused"));
    return result;
}

void SimPlatform::readyAccessibility() { trace_("the accessibility layer is readied"); }

std::optional<uint32_t> SimPlatform::requestAccessibleName(WindowId w, int x, int y) {
    return accessibility_.request(w, x, y);
}
std::vector<AccessibleNameAnswer> SimPlatform::accessibleNames() { return accessibility_.answers(); }

bool SimPlatform::prepareSpeech(const std::string& language) { return speech_.prepare(language); }
bool SimPlatform::speak(const std::string& text) { return speech_.speak(text); }
bool SimPlatform::speaking() { return speech_.speaking(); }
void SimPlatform::stopSpeaking() { speech_.stop(); }

std::unique_ptr<FormBinding> SimPlatform::bind(Form& form) { return std::make_unique<SimBinding>(*this, form); }

void SimPlatform::formShown(Form& form, WindowId id, bool visible) {
    if (!visible) {
        desktop_.hide(id);
        return;
    }
    if (form.maximised) {
        form.setBounds({0, 0, screen.width, screen.height});
    } else if (form.centred) {
        form.setBounds(centredOn(form.bounds(), screen.width, screen.height));
    }
    desktop_.show(id);
    // The main window takes the front whenever it is shown; the others only when the
    // program brings them there.
    if (&form == form.app().mainForm()) desktop_.bringToFront(id);
}

void SimPlatform::runModal(Form& form, WindowId id) {
    trace_("modal " + form.name());
    form.setVisible(true);
    desktop_.bringToFront(id);
    if (modalLoop) modalLoop(form);
    trace_("modal " + form.name() + " ends");
}

void SimPlatform::formGone(const Form* form, WindowId id) {
    desktop_.remove(id);
    timers_.forget(form);
    input_.forget(form);
}

}  // namespace zv::sim
