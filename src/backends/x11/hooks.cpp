// The companion hook library, linked in: its seven operations, and the wake-up it sends
// after every report, which runs the program's report handler on the user-interface
// thread, never on the library's.

#include <QCoreApplication>
#include <QMetaObject>

#include "backends/x11/x11_platform.h"
#include "linked_hook_library.h"
#include "widgets/application.h"

namespace zv::x11 {

namespace {

// On the library's thread: only a message to the user-interface thread.
void postReport(void* context) {
    auto* platform = static_cast<X11Platform*>(context);
    QMetaObject::invokeMethod(qApp, [platform] { platform->hookReported(); }, Qt::QueuedConnection);
}

}  // namespace

void X11Platform::listenToHooks() { LlibreriaZentavoroOnReport(postReport, this); }

void X11Platform::stopListeningToHooks() { LlibreriaZentavoroOnReport(nullptr, nullptr); }

void X11Platform::hookReported() {
    if (app_) app_->hookReported();
}

std::unique_ptr<HookLibrary> openHookLibrary() { return std::make_unique<LinkedHookLibrary>(); }

HookLibrary& X11Platform::hooks() { return *hooks_; }

}  // namespace zv::x11
