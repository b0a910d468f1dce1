// The virtual clock and the program's timers: due ticks in order, never re-entered, never queued twice.
#include "backends/sim/clock_and_timers.h"

#include <algorithm>

#include "backends/sim/trace.h"

namespace zv::sim {

TimerQueue::Entry* TimerQueue::find(const Timer& timer) {
    for (Entry& e : entries_)
        if (e.timer == &timer) return &e;
    return nullptr;
}

const TimerQueue::Entry* TimerQueue::find(const Timer& timer) const {
    for (const Entry& e : entries_)
        if (e.timer == &timer) return &e;
    return nullptr;
}

void TimerQueue::timerChanged(Timer& timer) {
    Entry* entry = find(timer);
    if (!timer.on()) {
        if (entry) {
            entries_.erase(entries_.begin() + (entry - entries_.data()));
            trace_("timer " + timer.name() + " off");
        }
        return;
    }
    if (!entry) {
        entries_.push_back({&timer, timer.form(), clock_.now() + timer.interval(), timer.interval(), ++order_});
        trace_("timer " + timer.name() + " on, " + std::to_string(timer.interval()) + " ms");
        return;
    }
    // A window timer set again with the interval it already has keeps its period.
    if (entry->interval != timer.interval()) {
        entry->interval = timer.interval();
        entry->due = clock_.now() + timer.interval();
        trace_("timer " + timer.name() + " interval " + std::to_string(timer.interval()) + " ms");
    }
}

void TimerQueue::timerRestarted(Timer& timer) {
    if (Entry* entry = find(timer)) {
        entry->due = clock_.now() + entry->interval;
        trace_("timer " + timer.name() + " period restarts");
    }
}

void TimerQueue::forget(const Form* form) {
    std::erase_if(entries_, [form](const Entry& e) { return e.form == form; });
}

TimerQueue::Entry* TimerQueue::nextDue(uint32_t limit, const std::vector<const Timer*>& skip) {
    Entry* best = nullptr;
    for (Entry& e : entries_) {
        if (e.interval == 0 || tickDiff(e.due, limit) > 0) continue;
        if (busy(*e.timer) || std::find(skip.begin(), skip.end(), e.timer) != skip.end()) continue;
        if (!best || tickDiff(e.due, best->due) < 0 || (e.due == best->due && e.order < best->order)) best = &e;
    }
    return best;
}

void TimerQueue::fire(Entry& entry) {
    Timer* timer = entry.timer;
    // The next tick is one interval after this one; ticks that have already gone by
    // collapse into the one that is pending now.
    uint32_t next = entry.due + entry.interval;
    while (tickDiff(next, clock_.now()) <= 0) next += entry.interval;
    entry.due = next;

    trace_("tick " + timer->name());
    timer->fire();
}

void TimerQueue::deliverDue() {
    const uint32_t limit = clock_.now();
    std::vector<const Timer*> delivered;
    while (Entry* e = nextDue(limit, delivered)) {
        delivered.push_back(e->timer);
        fire(*e);
    }
}

void TimerQueue::runFor(uint32_t ms, const std::function<void()>& beforeEach) {
    const uint32_t end = clock_.now() + ms;
    for (;;) {
        if (beforeEach) beforeEach();
        Entry* e = nextDue(end, {});
        if (!e) break;
        if (tickDiff(e->due, clock_.now()) > 0) clock_.set(e->due);
        fire(*e);
    }
    if (tickDiff(end, clock_.now()) > 0) clock_.set(end);
}

bool TimerQueue::scheduled(const Timer& timer) const { return find(timer) != nullptr; }

uint32_t TimerQueue::dueOf(const Timer& timer) const {
    const Entry* e = find(timer);
    return e ? e->due : 0;
}

bool TimerQueue::busy(const Timer& timer) const { return timer.running(); }

}  // namespace zv::sim
