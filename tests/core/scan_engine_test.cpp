#include "scan/scan_engine.h"

#include <gtest/gtest.h>

using zv::ScanEngine;
using zv::ScanTiming;
using Kind = ScanEngine::Lit::Kind;
using Action = ScanEngine::Action;

namespace {

constexpr uint32_t kStep = 1000;

// Three rows: a group of three, a point on its own, a group of two.
const ScanEngine::Groups kRows{{0, 1, 2}, {3}, {4, 5}};

ScanEngine started(int points, ScanEngine::Groups groups = {}, ScanTiming timing = {kStep}, uint32_t now = 0) {
    ScanEngine e;
    e.start(points, now, timing, std::move(groups));
    return e;
}

// What each of `n` steps lights, one step apart from `from`, as "p3", "g1" or "back0".
std::vector<std::string> steps(ScanEngine& e, int n, uint32_t& now) {
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i) {
        now += kStep;
        const auto& lit = e.step(now);
        switch (lit.kind) {
        case Kind::Point: out.push_back("p" + std::to_string(lit.point())); break;
        case Kind::Group: out.push_back("g" + std::to_string(lit.group)); break;
        case Kind::Back: out.push_back("back" + std::to_string(lit.group)); break;
        case Kind::Nothing: out.push_back("-"); break;
        }
    }
    return out;
}

using Seq = std::vector<std::string>;

}  // namespace

TEST(ScanEngine, linear_order_visits_every_point_in_turn_and_a_key_chooses_the_next) {
    ScanEngine e = started(3);
    EXPECT_EQ(e.lit().kind, Kind::Nothing);
    EXPECT_EQ(e.nextStepAt(), kStep);
    uint32_t now = 0;
    EXPECT_EQ(steps(e, 4, now), (Seq{"p0", "p1", "p2", "p0"}));
    EXPECT_EQ(e.currentPoint(), 1);
    e.jumpTo(2);
    EXPECT_EQ(e.currentPoint(), 2);
    EXPECT_EQ(steps(e, 2, now), (Seq{"p2", "p0"}));
    // A press clicks the lit point and scanning goes on from it.
    const auto r = e.press(now + 10, now + 10);
    EXPECT_EQ(r.action, Action::ClickPoint);
    EXPECT_EQ(r.point, 0);
    EXPECT_FALSE(r.earlier);
    EXPECT_FALSE(r.nextStepIn);
    EXPECT_EQ(steps(e, 1, now), (Seq{"p1"}));
    // Nothing lit yet, or never started: the click lands where the pointer is.
    ScanEngine fresh = started(3);
    EXPECT_EQ(fresh.press(5, 5).action, Action::ClickAtPointer);
    EXPECT_EQ(ScanEngine{}.press(5, 5).action, Action::ClickAtPointer);
    // Groups that do not hold every point once leave the order linear.
    for (const ScanEngine::Groups& bad : {ScanEngine::Groups{{0, 1}, {1, 2}}, ScanEngine::Groups{{0, 1}, {2, 7}},
                                          ScanEngine::Groups{{0, 1}}, ScanEngine::Groups{{0, 1}, {}}}) {
        ScanEngine e2 = started(3, bad);
        EXPECT_FALSE(e2.grouped());
        uint32_t t = 0;
        EXPECT_EQ(steps(e2, 3, t), (Seq{"p0", "p1", "p2"}));
    }
}

TEST(ScanEngine, a_press_enters_the_lit_group_whose_points_and_then_one_step_back_are_lit) {
    ScanEngine e = started(6, kRows, {kStep, 0, 0, 300});
    uint32_t now = 0;
    EXPECT_EQ(steps(e, 4, now), (Seq{"g0", "p3", "g2", "g0"}));
    // The lit group shows which points it holds, first and last.
    EXPECT_EQ(e.lit().points, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(e.lit().first(), 0);
    EXPECT_EQ(e.lit().last(), 2);

    auto r = e.press(now + 200, now + 200);
    EXPECT_EQ(r.action, Action::Entered);
    // The first point waits out the lead; the frame stays on the group meanwhile.
    EXPECT_EQ(r.nextStepIn, 300u);
    EXPECT_EQ(e.nextStepAt(), now + 500);
    EXPECT_EQ(e.lit().kind, Kind::Group);
    EXPECT_EQ(steps(e, 5, now), (Seq{"p0", "p1", "p2", "back0", "p0"}));
    EXPECT_EQ(e.currentPoint(), 1);

    // A press on the step back returns to the groups: the group left stays lit.
    steps(e, 3, now);
    EXPECT_EQ(e.lit().kind, Kind::Back);
    r = e.press(now + 1, now + 1);
    EXPECT_EQ(r.action, Action::Returned);
    EXPECT_EQ(r.nextStepIn, 300u);
    EXPECT_EQ(e.lit().kind, Kind::Group);
    EXPECT_EQ(e.lit().group, 0);
    EXPECT_EQ(steps(e, 1, now), (Seq{"p3"}));

    // A group of one point is that point: a press clicks it, and scanning begins again
    // with the first group. So it does after a point of a group.
    r = e.press(now + 1, now + 1);
    EXPECT_EQ(r.action, Action::ClickPoint);
    EXPECT_EQ(r.point, 3);
    EXPECT_TRUE(e.beginsRound());
    // The first group comes once a press on it can be taken.
    EXPECT_EQ(r.nextStepIn, 300u);
    EXPECT_EQ(steps(e, 3, now), (Seq{"g0", "p3", "g2"}));
    e.press(now + 1, now + 1);
    EXPECT_EQ(steps(e, 1, now), (Seq{"p4"}));
    r = e.press(now + 1, now + 1);
    EXPECT_EQ(r.action, Action::ClickPoint);
    EXPECT_EQ(r.point, 4);
    EXPECT_EQ(steps(e, 1, now), (Seq{"g0"}));
}

TEST(ScanEngine, two_rounds_of_a_group_without_a_press_return_to_the_groups_by_themselves) {
    ScanEngine e = started(6, kRows);
    uint32_t now = 0;
    steps(e, 3, now);
    e.press(now, now);
    EXPECT_EQ(steps(e, 8, now), (Seq{"p4", "p5", "back2", "p4", "p5", "back2", "g0", "p3"}));
    // Without a lead, the first point of an entered group lights at once.
    steps(e, 1, now);
    EXPECT_EQ(e.press(now, now).nextStepIn, 0u);
}

TEST(ScanEngine, the_first_item_of_each_round_stays_longer) {
    ScanEngine e = started(6, kRows, {kStep, 500});
    uint32_t now = 0;
    steps(e, 1, now);
    EXPECT_EQ(e.stayMs(), 1500u);
    EXPECT_EQ(e.nextStepAt(), now + 1500);
    steps(e, 1, now);
    EXPECT_EQ(e.stayMs(), 1000u);
    steps(e, 2, now);  // g2, then g0 again: a new round
    EXPECT_EQ(e.stayMs(), 1500u);
    e.press(now, now);
    steps(e, 1, now);  // the first point of the group
    EXPECT_EQ(e.stayMs(), 1500u);
    steps(e, 3, now);  // p1, p2, back
    EXPECT_EQ(e.stayMs(), 1000u);
    steps(e, 1, now);  // the group's second round
    EXPECT_EQ(e.stayMs(), 1500u);

    ScanEngine linear = started(3, {}, {kStep, 700});
    now = 0;
    EXPECT_EQ(steps(linear, 1, now), (Seq{"p0"}));
    EXPECT_EQ(linear.stayMs(), 1700u);
    steps(linear, 1, now);
    EXPECT_EQ(linear.stayMs(), 1000u);
}

TEST(ScanEngine, after_the_rounds_allowed_without_a_press_scanning_waits_on_the_first_item) {
    ScanEngine e = started(3, {}, {kStep, 200, 2});
    uint32_t now = 0;
    EXPECT_EQ(steps(e, 6, now), (Seq{"p0", "p1", "p2", "p0", "p1", "p2"}));
    EXPECT_FALSE(e.waiting());
    EXPECT_EQ(steps(e, 1, now), (Seq{"p0"}));
    EXPECT_TRUE(e.waiting());
    // The press only sets it going again: no click, and the first item stays its time.
    auto r = e.press(now + 5000, now + 5000);
    EXPECT_EQ(r.action, Action::Resumed);
    EXPECT_EQ(r.nextStepIn, 1200u);
    EXPECT_FALSE(e.waiting());
    EXPECT_EQ(e.lit().point(), 0);
    // That round counts: two more rounds go by before it waits again.
    now += 5000;
    steps(e, 5, now);
    EXPECT_FALSE(e.waiting());
    steps(e, 1, now);
    EXPECT_TRUE(e.waiting());

    // A press that clicks starts the count again.
    ScanEngine g = started(6, kRows, {kStep, 0, 1});
    now = 0;
    EXPECT_EQ(steps(g, 3, now), (Seq{"g0", "p3", "g2"}));
    g.press(now, now);
    steps(g, 1, now);
    EXPECT_EQ(g.press(now, now).action, Action::ClickPoint);
    EXPECT_EQ(steps(g, 3, now), (Seq{"g0", "p3", "g2"}));
    EXPECT_FALSE(g.waiting());
    steps(g, 1, now);
    EXPECT_TRUE(g.waiting());
    EXPECT_EQ(g.lit().kind, Kind::Group);
}

TEST(ScanEngine, a_press_made_before_a_step_acts_on_what_was_lit_when_it_was_made) {
    // The tick count wraps in the middle of it.
    const uint32_t begin = 0xFFFFF000u;
    ScanEngine e = started(4, {}, {kStep}, begin);
    uint32_t now = begin;
    steps(e, 3, now);  // p2 lit at `now`
    auto r = e.press(now - 1, now + 4);
    EXPECT_EQ(r.action, Action::ClickPoint);
    EXPECT_EQ(r.point, 1);
    EXPECT_TRUE(r.earlier);
    // Point 1 is lit again for a whole step, and scanning goes on from it.
    EXPECT_EQ(r.nextStepIn, kStep);
    EXPECT_EQ(e.lit().point(), 1);
    EXPECT_EQ(e.currentPoint(), 2);
    EXPECT_EQ(steps(e, 1, now), (Seq{"p2"}));
    // A press at the very moment of the step is the new point's.
    r = e.press(now, now + 3);
    EXPECT_EQ(r.point, 2);
    EXPECT_FALSE(r.earlier);
    // Nothing goes back past a press acted on, nor past what is remembered, nor ahead of
    // the clock.
    EXPECT_EQ(e.press(now - 500, now + 5).point, 2);
    steps(e, 6, now);
    EXPECT_EQ(e.press(now - 10 * kStep, now).point, e.lit().point());
    EXPECT_FALSE(e.press(now + 50, now).earlier);

    // Among groups: a press made just before the next group lit enters the group seen.
    ScanEngine g = started(6, kRows);
    now = 0;
    steps(g, 2, now);  // g0, then p3
    r = g.press(now - 2, now);
    EXPECT_EQ(r.action, Action::Entered);
    EXPECT_TRUE(r.earlier);
    EXPECT_EQ(g.lit().kind, Kind::Group);
    EXPECT_EQ(g.lit().group, 0);
    // And one made just before the step back clicks the group's last point.
    EXPECT_EQ(steps(g, 3, now), (Seq{"p0", "p1", "p2"}));
    steps(g, 1, now);
    r = g.press(now - 1, now + 1);
    EXPECT_EQ(r.action, Action::ClickPoint);
    EXPECT_EQ(r.point, 2);
}

TEST(ScanEngine, keys_jump_to_a_point_inside_its_group_and_new_groups_wait_for_a_round) {
    ScanEngine e = started(6, kRows);
    e.jumpTo(1);
    uint32_t now = 0;
    EXPECT_EQ(steps(e, 4, now), (Seq{"p1", "p2", "back0", "p0"}));
    // The round begun with the jump counts: the group's second round is its last.
    EXPECT_EQ(steps(e, 3, now), (Seq{"p1", "p2", "back0"}));
    EXPECT_EQ(steps(e, 1, now), (Seq{"p3"}));
    e.jumpTo(3);
    EXPECT_EQ(steps(e, 2, now), (Seq{"p3", "g2"}));
    e.jumpTo(9);
    EXPECT_EQ(steps(e, 1, now), (Seq{"g0"}));

    // Groups given in the middle of a round are not taken.
    e.setGroups({{0, 1}, {2, 3}, {4, 5}});
    EXPECT_EQ(steps(e, 1, now), (Seq{"p3"}));
    steps(e, 1, now);
    ASSERT_TRUE(e.beginsRound());
    e.setGroups({{0, 1}, {2, 3}, {4, 5}});
    EXPECT_EQ(steps(e, 3, now), (Seq{"g0", "g1", "g2"}));
}
