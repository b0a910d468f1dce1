#pragma once
// The virtual clock and the program's timers. Time passes only when something makes it
// pass: a sleep, a pass of the message pump (1 ms each, so that busy waits end), or the
// scenario letting the message loop run. Timers behave as window timers do: a tick is a
// message that is pending or not, never queued twice, and a handler still running is not
// entered again.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "widgets/form.h"

namespace zv::sim {

class Trace;

// Wrap-aware order of two tick counts: negative when a comes before b.
inline int32_t tickDiff(uint32_t a, uint32_t b) { return static_cast<int32_t>(a - b); }

class SimClock {
public:
    static constexpr uint32_t kStart = 1000000;
    uint32_t now() const { return now_; }
    void set(uint32_t tick) { now_ = tick; }
    void advance(uint32_t ms) { now_ += ms; }

private:
    uint32_t now_ = kStart;
};

class TimerQueue {
public:
    TimerQueue(SimClock& clock, const Trace& trace) : clock_(clock), trace_(trace) {}

    // The binding reports here every change of a timer's Enabled or Interval property.
    // Switching a timer on, or giving a running timer another interval, starts a fresh
    // period from now.
    void timerChanged(Timer& timer);
    // The timer's period starts again from now.
    void timerRestarted(Timer& timer);
    // The timers of this form can no longer fire (the form is gone, or its process ended).
    void forget(const Form* form);

    // One pass of the message pump: every timer due at or before now fires once, in
    // order of due time, then of switching on.
    void deliverDue();
    // The message loop running until now + ms: every timer due by then fires in order,
    // the clock jumping to each due time. beforeEach runs ahead of every tick (other
    // pending messages come first). The clock ends at now + ms or where the last handler
    // left it, whichever is later.
    void runFor(uint32_t ms, const std::function<void()>& beforeEach);

    bool scheduled(const Timer& timer) const;
    // When the timer next falls due; only meaningful while scheduled.
    uint32_t dueOf(const Timer& timer) const;
    bool busy(const Timer& timer) const;

private:
    struct Entry {
        Timer* timer;
        const Form* form;
        uint32_t due;
        unsigned interval;
        uint64_t order;
    };
    Entry* find(const Timer& timer);
    const Entry* find(const Timer& timer) const;
    Entry* nextDue(uint32_t limit, const std::vector<const Timer*>& skip);
    void fire(Entry& entry);

    SimClock& clock_;
    const Trace& trace_;
    std::vector<Entry> entries_;
    uint64_t order_ = 0;
};

}  // namespace zv::sim
