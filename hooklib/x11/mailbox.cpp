// The reports of the X11 hooks, kept for the program in memory, and the wake-up after each.
#include "mailbox.h"

#include <mutex>
#include <optional>

#include "common/tick_count.h"
#include "report_queue.h"

namespace zv::hooklib {

namespace {

// The hooks report on the library's thread, the program takes on its own.
std::mutex reportsMutex;
ReportQueue reports;

std::mutex listenerMutex;
LzReportListener listener = nullptr;
void* listenerContext = nullptr;

thread_local std::optional<uint32_t> eventTick;

void wakeTheProgram() {
    std::lock_guard lock(listenerMutex);
    if (listener) listener(listenerContext);
}

void report(int kind, int value) {
    const uint32_t moment = reportMoment(eventTick.has_value(), eventTick.value_or(0), x11::monotonicTickCount());
    {
        std::lock_guard hold(reportsMutex);
        reports.push(kind, value, moment);
    }
    wakeTheProgram();
}

}  // namespace

void reportPress(const PressReport& press) {
    report(press.kind == HookReport::Kind::Key ? LZ_REPORT_KEY : LZ_REPORT_CLICK, press.value);
}

void reportWindowTitle(const std::string& title) {
    std::lock_guard hold(reportsMutex);
    reports.noteTitle(title);
}

EventTime::EventTime(uint32_t tick) : hadOuter_(eventTick.has_value()), outer_(eventTick.value_or(0)) {
    eventTick = tick;
}

EventTime::~EventTime() {
    if (hadOuter_) {
        eventTick = outer_;
    } else {
        eventTick.reset();
    }
}

bool takeReport(LzReport& out) {
    std::lock_guard hold(reportsMutex);
    return reports.take(out);
}

void setReportListener(LzReportListener newListener, void* context) {
    std::lock_guard lock(listenerMutex);
    listener = newListener;
    listenerContext = context;
}

}  // namespace zv::hooklib
