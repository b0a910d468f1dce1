#pragma once
// The reports the hook library hands over in memory, as the poll takes them. The library
// keeps them in the order they were made; here they wait, in that order, for the tick that
// acts on them: one report a tick, as if it alone stood in the mailbox at that tick.

#include <deque>
#include <optional>

#include "platform/hook_library.h"

namespace zv {

class HookMailbox {
public:
    // As many as the libraries keep.
    static constexpr size_t kCapacity = 256;

    // Takes everything the library has handed over, and gives the oldest report waiting.
    std::optional<HookReport> next(HookLibrary& hooks);
    // A report the tick could not act on: it is the first the next tick takes.
    void putBack(HookReport report);
    bool waiting() const { return !reports_.empty(); }
    // What the hooks caught before a start or a stop belongs to no run any more: it is let go,
    // in the library as well.
    void discard(HookLibrary& hooks);

private:
    void collect(HookLibrary& hooks);

    std::deque<HookReport> reports_;
};

}  // namespace zv
