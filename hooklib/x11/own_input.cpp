// The program's own synthesised events, announced before they are sent and skipped when they come back.
#include "own_input.h"

#include <algorithm>

namespace zv::hooklib {

void OwnInput::expect(Kind kind, unsigned code, bool press, Clock::time_point now) {
    forgetOld(now);
    announced_.push_back({kind, code, press, now});
    if (kind == Kind::Key) lastKey_ = now;
}

bool OwnInput::take(Kind kind, unsigned code, bool press, Clock::time_point now) {
    forgetOld(now);
    const auto it = std::find_if(announced_.begin(), announced_.end(), [&](const Announced& a) {
        return a.kind == kind && a.code == code && a.press == press;
    });
    if (it == announced_.end()) return false;
    announced_.erase(it);
    return true;
}

void OwnInput::forget(Kind kind) {
    std::erase_if(announced_, [kind](const Announced& a) { return a.kind == kind; });
}

bool OwnInput::keysPending(Clock::time_point now) {
    forgetOld(now);
    return std::any_of(announced_.begin(), announced_.end(), [](const Announced& a) { return a.kind == Kind::Key; });
}

void OwnInput::forgetOld(Clock::time_point now) {
    while (!announced_.empty() && now - announced_.front().at > kLifetime) announced_.pop_front();
}

}  // namespace zv::hooklib
