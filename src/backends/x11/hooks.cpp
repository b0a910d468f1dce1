// The companion hook library, linked in: its seven operations, and the wake-up it sends
// after every report, which runs the program's report handler on the user-interface
// thread, never on the library's.

#include <QCoreApplication>
#include <QMetaObject>

#include <chrono>
#include <thread>

#include "backends/x11/x11_platform.h"
#include "linked_hook_library.h"
#include "widgets/application.h"

namespace zv::x11 {

namespace {

// On the library's thread: only a message to the user-interface thread.
void postReport(void* context) {
    auto* platform = static_cast<X11Platform*>(context);
    platform->hookReportPosted();
    QMetaObject::invokeMethod(qApp, [platform] { platform->hookReported(); }, Qt::QueuedConnection);
}

}  // namespace

void X11Platform::listenToHooks() { LlibreriaZentavoroOnReport(postReport, this); }

void X11Platform::stopListeningToHooks() { LlibreriaZentavoroOnReport(nullptr, nullptr); }

void X11Platform::hookReported() {
    if (wakeups_.arrived() && app_) app_->hookReported();
}

void X11Platform::deliverHookReports() {
    // The library makes a report on its own thread, and writing it to the settings file
    // takes a moment (the file is flushed to the disk): a press made just before a scan
    // step may not have woken the program yet. It is waited for, briefly, never for
    // longer than a report takes on a slow disk.
    constexpr auto kLongest = std::chrono::milliseconds(100);
    const auto until = std::chrono::steady_clock::now() + kLongest;
    while (LlibreriaZentavoroReportsUnderway() > 0 && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    if (wakeups_.takeAhead() && app_) app_->hookReported();
}

std::unique_ptr<HookLibrary> openHookLibrary() { return std::make_unique<LinkedHookLibrary>(); }

HookLibrary& X11Platform::hooks() { return *hooks_; }

}  // namespace zv::x11
