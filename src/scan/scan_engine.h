#pragma once
// The order and the state of a scan: which point or group is lit, what the next step lights,
// what a press does, the rounds and the pauses. Linear scanning visits the points one by
// one. Group scanning lights groups of points first; a press enters the lit group, whose
// points are then lit one by one, followed by one step back that lights the whole group
// again, where a press returns to the groups. A group of one point is that point.
//
// Time comes in as the tick count. A press is judged at the moment it was made: a press made
// just before a step acts on what was lit then, which is lit again. Nothing here knows a
// window, a timer or a platform: the toolbar drives it, and so does the benchmark of
// simulated users.

#include <cstdint>
#include <optional>
#include <vector>

namespace zv {

struct ScanTiming {
    // One scan step: how long an item stays lit.
    uint32_t stepMs = 1200;
    // Added to the stay of the first item of each round (the first point, or the first
    // group, and the first point of an entered group).
    uint32_t firstItemExtraMs = 0;
    // After this many rounds without a press, scanning waits on the first item until the
    // next press, which only sets it going again; 0 never waits.
    int roundsBeforeWait = 0;
    // After a press among groups (entering one, returning to them, a click that begins
    // them again), the next item lights no sooner than this: a press on it within the
    // minimum interval would be dropped.
    uint32_t leadMs = 0;
};

class ScanEngine {
public:
    using Groups = std::vector<std::vector<int>>;
    // Rounds of an entered group without a press, after which scanning returns to the
    // groups by itself.
    static constexpr int kGroupRounds = 2;

    // What is lit: a point (the pointer is placed on it), a group (a frame round its points,
    // the pointer stays where it is), or the step back after a group's last point (the
    // same frame, a press returns to the groups).
    struct Lit {
        enum class Kind { Nothing, Point, Group, Back };
        Kind kind = Kind::Nothing;
        // The group lit, or holding the lit point; in linear order each point is a group.
        int group = -1;
        // The lit point alone, or the points of the lit group in scanning order.
        std::vector<int> points;

        int point() const { return kind == Kind::Point ? points.front() : -1; }
        int first() const { return points.empty() ? -1 : points.front(); }
        int last() const { return points.empty() ? -1 : points.back(); }
        bool operator==(const Lit&) const = default;
    };

    enum class Action {
        ClickAtPointer,  // nothing lit: the click lands where the pointer stands
        ClickPoint,      // click `point`
        Entered,         // the lit group was entered; its first point lights at the next step
        Returned,        // back to the groups: the group just left is lit, the next step goes on
        Resumed,         // scanning was waiting: the press only set it going again
    };
    struct PressResult {
        Action action = Action::ClickAtPointer;
        int point = -1;
        // The press was made while an earlier item was lit, and that item is lit again.
        bool earlier = false;
        // The next step comes this long after the press; none: scanning keeps its rhythm.
        std::optional<uint32_t> nextStepIn;
    };

    // A new scan of `pointCount` points from its beginning, at tick `now`: nothing lit, the
    // first step lights the first item. Without groups, or with one group, the order is
    // linear; groups that do not hold every point exactly once are not used.
    void start(int pointCount, uint32_t now, ScanTiming timing, Groups groups = {});
    // New groups, taken only between rounds (when beginsRound()).
    void setGroups(Groups groups);

    // One scan step at tick `now`: lights the next item and returns it.
    const Lit& step(uint32_t now);
    // The next step lights this point (a key chose it).
    void jumpTo(int point);
    // The switch, pressed at tick `madeAt` and acted on at `now`.
    PressResult press(uint32_t madeAt, uint32_t now);

    const Lit& lit() const { return state_.lit; }
    bool grouped() const { return grouped_; }
    int pointCount() const { return pointCount_; }
    // The point after the last one lit: where linear scanning goes on.
    int currentPoint() const { return state_.currentPoint; }
    bool waiting() const { return state_.waiting; }
    // True when the next step begins a round of the groups (or of the points).
    bool beginsRound() const { return !state_.inside && state_.topNext == 0; }
    // How long the lit item stays, and the tick of the next step while scanning goes on by
    // itself.
    uint32_t stayMs() const;
    uint32_t nextStepAt() const { return state_.nextStepAt; }
    int roundsWithoutPress() const { return state_.roundsBegun; }

private:
    struct State {
        Lit lit;
        uint32_t since = 0;
        bool firstOfRound = false;
        // Inside an entered group: its points, its index, the lit one (-1 before the first,
        // the group's size for the step back) and the rounds of it begun.
        bool inside = false;
        std::vector<int> members;
        int group = -1;
        int position = -1;
        int groupRounds = 0;
        // The group the next step lights when not inside one.
        int topNext = 0;
        int roundsBegun = 0;
        bool waiting = false;
        int currentPoint = 0;
        uint32_t nextStepAt = 0;
    };

    void useGroups(Groups groups);
    void lightPoint(int point);
    void lightTop();
    void remember();
    // The state as it was at tick `t`, when that was before the present one.
    std::optional<State> judged(uint32_t t, uint32_t now) const;

    ScanTiming timing_;
    int pointCount_ = 0;
    Groups groups_;
    std::vector<int> groupOf_;
    bool grouped_ = false;
    State state_;
    // The last few states, oldest first: what was lit, and since when.
    std::vector<State> history_;
};

}  // namespace zv
