// The X11 platform: clock, message loop and the native side of the forms. The other
// concerns live in their own files (pointer, input, screen, windows, dialogs, shell,
// system, hooks).

#include <thread>

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include "backends/x11/atspi_names.h"
#include "backends/x11/binding.h"
#include "backends/x11/pictures.h"
#include "backends/x11/speech_dispatcher.h"
#include "backends/x11/x11_platform.h"
#include "widgets/application.h"

// Xlib last: its macros (None, Bool, KeyPress...) would break the headers above.
#include "common/errors.h"
#include "common/tick_count.h"
#include <X11/Xlib.h>
#include <xcb/xcb.h>

namespace zv::x11 {

X11Platform::X11Platform(Display* display)
    : display_(display), pictures_(std::make_unique<Pictures>()), accessibility_(std::make_unique<AtspiNames>()),
      speech_(std::make_unique<SpeechDispatcher>()) {
    trapErrors(display_);
    hooks_ = openHookLibrary();
    listenToHooks();
}

X11Platform::~X11Platform() {
    stopListeningToHooks();
    accessibility_.reset();
    speech_.reset();
    hooks_.reset();
    if (display_) XCloseDisplay(display_);
}

uint32_t X11Platform::tickCount() { return monotonicTickCount(); }

void X11Platform::sleep(unsigned ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

void X11Platform::processMessages(Application&) {
    XFlush(display_);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void X11Platform::runMessageLoop(Application& app) {
    while (!app.terminated()) {
        XFlush(display_);
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

void X11Platform::watchActivation(Application& app) {
    if (app_) return;
    app_ = &app;
    // The program becomes the active application when one of its windows takes the focus
    // while another program's had it.
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive && app_) app_->activated();
    });
}

std::unique_ptr<FormBinding> X11Platform::bind(Form& form) {
    watchActivation(form.app());
    return std::make_unique<QtBinding>(form, *this);
}

QWidget* X11Platform::dialogOwner() const {
    if (QWidget* active = QApplication::activeWindow()) return active;
    if (app_ && app_->mainForm())
        if (auto* b = dynamic_cast<QtBinding*>(app_->mainForm()->binding()))
            if (b->window()->isVisible()) return b->window();
    return nullptr;
}

void X11Platform::syncToolkit() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) return;
    // A round trip: its answer comes after everything sent before it.
    xcb_connection_t* c = x11->connection();
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

}  // namespace zv::x11
