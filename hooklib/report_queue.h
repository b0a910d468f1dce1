#pragma once
// The reports of either hook library waiting for the program, in the order they were made.
// No lock here: each library guards it as its threads need.

#include <algorithm>
#include <cstring>
#include <deque>
#include <optional>
#include <string>

#include "llibreria_zentavoro.h"

namespace zv::hooklib {

// The moment a report carries: its event's time when the hooks handle one (a tick count),
// else the moment of the report. An event time after the report, or long before it, cannot
// be right (a clock measured halfway, a stamp the system left out) and gives way too.
inline unsigned reportMoment(bool inEvent, unsigned eventTick, unsigned now) {
    constexpr unsigned kOldest = 10000;
    return inEvent && now - eventTick <= kOldest ? eventTick : now;
}

class ReportQueue {
public:
    // Enough for every press a user can make between two polls of the program; past it the
    // oldest go, as they would be stale by the time the program took them.
    static constexpr size_t kCapacity = 256;

    // The recording hook says whose window a press went to just before it reports the press.
    void noteTitle(const std::string& title) { title_ = title; }

    void push(int kind, int value, unsigned time) {
        LzReport report{};
        report.kind = kind;
        report.value = value;
        report.time = time;
        if (kind == LZ_REPORT_CLICK && title_) {
            report.hasTitle = 1;
            // Whole characters of code page 1252: one byte each, so cutting anywhere is safe.
            const size_t n = std::min(title_->size(), sizeof report.title - 1);
            std::memcpy(report.title, title_->data(), n);
            report.title[n] = '\0';
        }
        title_.reset();
        if (reports_.size() == kCapacity) reports_.pop_front();
        reports_.push_back(report);
    }

    bool take(LzReport& out) {
        if (reports_.empty()) return false;
        out = reports_.front();
        reports_.pop_front();
        return true;
    }

    size_t size() const { return reports_.size(); }

private:
    std::deque<LzReport> reports_;
    std::optional<std::string> title_;
};

}  // namespace zv::hooklib
