#pragma once
// The program's own synthesised events, announced just before it sends them: the hooks
// skip exactly those when they come back from the server. Each announcement is used up by
// one event; one that no event answers soon is forgotten, so that it can never swallow a
// press of the user's.

#include <chrono>
#include <deque>

namespace zv::hooklib {

class OwnInput {
public:
    using Clock = std::chrono::steady_clock;
    enum class Kind { Button, Key };
    static constexpr std::chrono::milliseconds kLifetime{2000};

    void expect(Kind kind, unsigned code, bool press, Clock::time_point now);
    // True when the event is one the program announced; the announcement is used up.
    bool take(Kind kind, unsigned code, bool press, Clock::time_point now);
    // Forgets the announcements of one kind: events that can no longer come back.
    void forget(Kind kind);
    // Keys announced that have not come back yet.
    bool keysPending(Clock::time_point now);
    Clock::time_point lastKey() const { return lastKey_; }

private:
    struct Announced {
        Kind kind;
        unsigned code;
        bool press;
        Clock::time_point at;
    };
    void forgetOld(Clock::time_point now);

    std::deque<Announced> announced_;
    Clock::time_point lastKey_{};
};

}  // namespace zv::hooklib
