// The reports of the Windows hooks, kept for the program in memory, and the wake-up after each.
#include "mailbox.h"

#include "platform/text.h"
#include "report_queue.h"

namespace lz {
namespace {

// The hooks run on the thread that installed them, the program's user-interface thread,
// while it takes its messages; the program takes its reports on that thread too. Nothing
// here is touched by another thread, so nothing needs a lock.
zv::hooklib::ReportQueue g_reports;
LzReportListener g_listener = nullptr;
void* g_listenerContext = nullptr;
bool g_inEvent = false;
DWORD g_eventTick = 0;

void wakeTheProgram() {
    if (g_listener) g_listener(g_listenerContext);
}

void report(int kind, int value) {
    g_reports.push(kind, value, zv::hooklib::reportMoment(g_inEvent, g_eventTick, GetTickCount()));
    wakeTheProgram();
}

}  // namespace

void reportPress(const zv::PressReport& press) {
    report(press.kind == zv::HookReport::Kind::Key ? LZ_REPORT_KEY : LZ_REPORT_CLICK, press.value);
}

EventTime::EventTime(DWORD tick) : hadOuter_(g_inEvent), outer_(g_eventTick) {
    g_inEvent = true;
    g_eventTick = tick;
}

EventTime::~EventTime() {
    g_inEvent = hadOuter_;
    g_eventTick = outer_;
}

bool takeReport(LzReport& out) { return g_reports.take(out); }

void setReportListener(LzReportListener listener, void* context) {
    g_listener = listener;
    g_listenerContext = context;
}

void reportWindowTitleAt(long x, long y) {
    POINT pt{x, y};
    std::string title;
    if (HWND w = WindowFromPoint(pt)) {
        if (HWND root = GetAncestor(w, GA_ROOT)) w = root;
        wchar_t buf[256] = {};
        int n = GetWindowTextW(w, buf, 256);
        if (n > 0) title = zv::utf16ToCp1252(std::u16string(reinterpret_cast<const char16_t*>(buf), static_cast<size_t>(n)));
    }
    g_reports.noteTitle(title);
}

}  // namespace lz
