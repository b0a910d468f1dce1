#pragma once
// Which of the hook library's wake-ups the program has acted on. The library posts one
// wake-up per report from its own thread; the program may act on the reports posted so
// far before their wake-ups arrive (a scan step about to move the pointer does), and those
// wake-ups are then passed over, so that every report is acted on once.

#include <atomic>

namespace zv::x11 {

class ReportWakeups {
public:
    // On the library's thread, just before its wake-up is posted.
    void posted() { ++posted_; }
    // A wake-up has arrived: true when its report is still to be acted on.
    bool arrived() {
        if (early_ > 0) {
            --early_;
            return false;
        }
        ++actedOn_;
        return true;
    }
    // The reports posted so far are being acted on ahead of their wake-ups: true when
    // there was one. Wake-ups arrive in the order they were posted, so the next ones to
    // arrive are exactly these.
    bool takeAhead() {
        const unsigned now = posted_.load();
        if (now == actedOn_) return false;
        early_ += now - actedOn_;
        actedOn_ = now;
        return true;
    }

private:
    std::atomic<unsigned> posted_{0};
    unsigned actedOn_ = 0;  // the user-interface thread's, as is early_
    unsigned early_ = 0;
};

}  // namespace zv::x11
