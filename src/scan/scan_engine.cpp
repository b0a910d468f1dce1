#include "scan/scan_engine.h"

#include <algorithm>

namespace zv {

namespace {
// Enough to judge a press made a step or two before it was acted on.
constexpr size_t kRemembered = 4;

bool notBefore(uint32_t t, uint32_t since) { return static_cast<int32_t>(t - since) >= 0; }
}  // namespace

void ScanEngine::useGroups(Groups groups) {
    // Every point exactly once, or the order is linear.
    std::vector<int> seen(static_cast<size_t>(pointCount_), 0);
    bool valid = groups.size() > 1;
    for (const auto& g : groups) {
        if (g.empty()) valid = false;
        for (int p : g) {
            if (p < 0 || p >= pointCount_ || seen[static_cast<size_t>(p)]++) valid = false;
        }
    }
    if (valid) valid = std::all_of(seen.begin(), seen.end(), [](int n) { return n == 1; });
    if (!valid) {
        groups.clear();
        for (int p = 0; p < pointCount_; ++p) groups.push_back({p});
    }
    groups_ = std::move(groups);
    grouped_ = std::any_of(groups_.begin(), groups_.end(), [](const auto& g) { return g.size() > 1; });
    groupOf_.assign(static_cast<size_t>(pointCount_), 0);
    for (size_t g = 0; g < groups_.size(); ++g)
        for (int p : groups_[g]) groupOf_[static_cast<size_t>(p)] = static_cast<int>(g);
}

void ScanEngine::start(int pointCount, uint32_t now, ScanTiming timing, Groups groups) {
    timing_ = timing;
    pointCount_ = std::max(0, pointCount);
    useGroups(std::move(groups));
    state_ = State{};
    state_.since = now;
    // The first step comes one step after the start.
    state_.nextStepAt = now + timing_.stepMs;
    history_.assign(1, state_);
}

void ScanEngine::setGroups(Groups groups) {
    if (beginsRound()) useGroups(std::move(groups));
}

uint32_t ScanEngine::stayMs() const {
    return timing_.stepMs + (state_.firstOfRound ? timing_.firstItemExtraMs : 0);
}

void ScanEngine::lightPoint(int point) {
    state_.lit = Lit{Lit::Kind::Point, -1, {point}};
    state_.currentPoint = (point + 1) % pointCount_;
}

void ScanEngine::lightTop() {
    State& s = state_;
    const int count = static_cast<int>(groups_.size());
    const int g = s.topNext % count;
    if (g == 0) {
        ++s.roundsBegun;
        s.firstOfRound = true;
        if (timing_.roundsBeforeWait > 0 && s.roundsBegun > timing_.roundsBeforeWait) s.waiting = true;
    }
    s.topNext = (g + 1) % count;
    const auto& group = groups_[static_cast<size_t>(g)];
    if (group.size() == 1) {
        lightPoint(group.front());
    } else {
        s.lit = Lit{Lit::Kind::Group, -1, group};
    }
    s.lit.group = g;
}

const ScanEngine::Lit& ScanEngine::step(uint32_t now) {
    State& s = state_;
    s.waiting = false;
    s.firstOfRound = false;
    if (pointCount_ <= 0) {
        s.lit = Lit{};
    } else if (!s.inside) {
        lightTop();
    } else {
        const int size = static_cast<int>(s.members.size());
        int next = s.position + 1;
        bool leave = false;
        if (next > size) {
            // After the step back: another round of the group, or the groups again.
            leave = s.groupRounds >= kGroupRounds;
            next = 0;
        }
        if (leave) {
            s.inside = false;
            s.topNext = (s.group + 1) % static_cast<int>(groups_.size());
            lightTop();
        } else if (next == size) {
            s.position = next;
            s.lit = Lit{Lit::Kind::Back, s.group, s.members};
        } else {
            s.position = next;
            if (next == 0) {
                ++s.groupRounds;
                s.firstOfRound = true;
            }
            lightPoint(s.members[static_cast<size_t>(next)]);
            s.lit.group = s.group;
        }
    }
    s.since = now;
    s.nextStepAt = now + stayMs();
    remember();
    return s.lit;
}

void ScanEngine::jumpTo(int point) {
    if (point < 0 || point >= pointCount_) return;
    State& s = state_;
    const int g = groupOf_[static_cast<size_t>(point)];
    const auto& group = groups_[static_cast<size_t>(g)];
    s.waiting = false;
    s.currentPoint = point;
    if (group.size() == 1) {
        s.inside = false;
        s.topNext = g;
        return;
    }
    const int at = static_cast<int>(std::find(group.begin(), group.end(), point) - group.begin());
    s.inside = true;
    s.members = group;
    s.group = g;
    s.position = at - 1;
    // Landing past the group's first point, the round of the group has begun already.
    s.groupRounds = at == 0 ? 0 : 1;
}

void ScanEngine::remember() {
    history_.push_back(state_);
    if (history_.size() > kRemembered) history_.erase(history_.begin());
}

std::optional<ScanEngine::State> ScanEngine::judged(uint32_t t, uint32_t now) const {
    // Nothing remembered before the present, a moment ahead of the clock, or one under the
    // present item: the present item.
    if (history_.size() < 2 || !notBefore(now, t) || notBefore(t, history_.back().since)) return std::nullopt;
    for (size_t i = history_.size() - 1; i-- > 0;)
        if (notBefore(t, history_[i].since)) return history_[i];
    // Before everything remembered: too old to judge, taken as made now.
    return std::nullopt;
}

ScanEngine::PressResult ScanEngine::press(uint32_t madeAt, uint32_t now) {
    PressResult r;
    if (auto then = judged(madeAt, now)) {
        state_ = *then;
        r.earlier = true;
    }
    State& s = state_;
    if (s.waiting) {
        s.waiting = false;
        s.roundsBegun = 1;
        r.action = Action::Resumed;
        r.nextStepIn = stayMs();
    } else {
        switch (s.lit.kind) {
        case Lit::Kind::Nothing:
            r.action = Action::ClickAtPointer;
            s.roundsBegun = 0;
            break;
        case Lit::Kind::Point:
            r.action = Action::ClickPoint;
            r.point = s.lit.point();
            s.roundsBegun = 0;
            if (!grouped_) {
                // The point lit again stays its whole time; otherwise the rhythm goes on.
                if (r.earlier) r.nextStepIn = stayMs();
                break;
            }
            // After a selection among groups, scanning begins again with the first group,
            // once a press on it can be taken.
            s.inside = false;
            s.topNext = 0;
            if (r.earlier)
                r.nextStepIn = std::max(timing_.leadMs, stayMs());
            else if (timing_.leadMs > 0)
                r.nextStepIn = timing_.leadMs;
            break;
        case Lit::Kind::Group:
            r.action = Action::Entered;
            s.inside = true;
            s.members = s.lit.points;
            s.group = s.lit.group;
            s.position = -1;
            s.groupRounds = 0;
            s.roundsBegun = 0;
            r.nextStepIn = timing_.leadMs;
            break;
        case Lit::Kind::Back:
            r.action = Action::Returned;
            s.inside = false;
            s.topNext = (s.lit.group + 1) % static_cast<int>(groups_.size());
            s.lit.kind = Lit::Kind::Group;
            s.firstOfRound = false;
            s.roundsBegun = 0;
            if (r.earlier)
                r.nextStepIn = std::max(timing_.leadMs, stayMs());
            else if (timing_.leadMs > 0)
                r.nextStepIn = timing_.leadMs;
            break;
        }
    }
    if (r.nextStepIn) s.nextStepAt = now + *r.nextStepIn;
    // What the press acted on is the present now: no later press goes back past it.
    history_.assign(1, s);
    return r;
}

}  // namespace zv
