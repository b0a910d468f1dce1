#pragma once
// The hook mailbox of the Windows library: what the hooks catch waits in memory for the
// program, which is woken to take it at once. Nothing goes to a file.

#include <windows.h>

#include "llibreria_zentavoro.h"
#include "platform/press_report.h"

namespace lz {

// What a hook made of a press (platform/press_report.h).
void reportPress(const zv::PressReport& press);
// The title of the top-level window under the given screen point: it travels with the
// press about to be reported, and wakes nobody by itself.
void reportWindowTitleAt(long x, long y);

// While one lives, reports carry its moment: the time of the hook's event, which is
// GetTickCount's. Outside any, the moment of the report itself.
class EventTime {
public:
    explicit EventTime(DWORD tick);
    ~EventTime();
    EventTime(const EventTime&) = delete;
    EventTime& operator=(const EventTime&) = delete;

private:
    bool hadOuter_;
    DWORD outer_;
};

bool takeReport(LzReport& report);

// Who is woken after each report: called inside the hook callback, so it only posts.
void setReportListener(LzReportListener listener, void* context);

}  // namespace lz
