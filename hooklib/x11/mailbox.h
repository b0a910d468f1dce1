#pragma once
// The hook mailbox of the X11 library: what the hooks catch waits in memory for the program,
// which is woken to take it at once. Nothing goes to a file.

#include <cstdint>
#include <string>

#include "llibreria_zentavoro.h"
#include "platform/press_report.h"

namespace zv::hooklib {

// What a hook made of a press (platform/press_report.h).
void reportPress(const PressReport& press);
// The title (code page 1252) of the window that the recorded press about to be reported
// went to; it travels with that press and wakes nobody by itself.
void reportWindowTitle(const std::string& title);

// While one lives, reports carry its moment (an event's time in the tick count); outside
// any, the moment of the report itself.
class EventTime {
public:
    explicit EventTime(uint32_t tick);
    ~EventTime();
    EventTime(const EventTime&) = delete;
    EventTime& operator=(const EventTime&) = delete;

private:
    bool hadOuter_;
    uint32_t outer_;
};

// The program takes the oldest report (any thread).
bool takeReport(LzReport& report);

// Who is woken after each report (called on the library's thread).
void setReportListener(LzReportListener listener, void* context);

}  // namespace zv::hooklib
