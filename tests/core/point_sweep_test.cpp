#include "scan/point_sweep.h"

#include <gtest/gtest.h>

#include "scan/synthesis.h"

using zv::PointSweep;
using zv::SweepTuning;
using Axis = PointSweep::Axis;
using Stage = PointSweep::Stage;
using Press = PointSweep::Press;

namespace {
PointSweep at(uint32_t now, int w = 1000, int h = 500, uint32_t step = 1000) {
    PointSweep s(w, h, step);
    s.start(now);
    return s;
}
}  // namespace

TEST(PointSweep, a_coarse_sweep_crosses_the_screen_in_ten_steps_and_the_tick_count_may_wrap) {
    // Started 100 ms before the tick count wraps, and before it turns negative as a signed number.
    for (const uint32_t begin : {0xFFFFFF9Cu, 0x7FFFFF9Cu}) {
        PointSweep s = at(begin);
        s.advanceTo(begin + 5000);
        EXPECT_EQ(s.position(), 500);
        s.advanceTo(begin + 9999);
        EXPECT_EQ(s.position(), 999);
        s.advanceTo(begin + 10000);
        EXPECT_EQ(s.position(), 0);
        EXPECT_EQ(s.sweepsWithoutPress(), 1);
        // A press just after the crossing fixes the line where it stands then.
        PointSweep pressed = at(begin);
        pressed.press(begin + 300);
        EXPECT_EQ(pressed.stage(), PointSweep::Stage::Refine);
    }
    // The pace: a slower step makes a slower line.
    PointSweep slow = at(0, 1000, 500, 2000);
    slow.advanceTo(5000);
    EXPECT_EQ(slow.position(), 250);
}

TEST(PointSweep, a_line_set_off_later_waits_at_its_start) {
    PointSweep s = at(10000);
    s.advanceTo(9000);
    EXPECT_EQ(s.position(), 0);
    EXPECT_FALSE(s.paused());
    s.advanceTo(11000);
    EXPECT_EQ(s.position(), 100);
}

TEST(PointSweep, the_band_is_a_tenth_of_the_screen_centred_on_the_press_and_kept_inside_it) {
    PointSweep s = at(0);
    EXPECT_EQ(s.press(5000, 1000), Press::Fixed);
    EXPECT_EQ(s.axis(), Axis::X);
    EXPECT_EQ(s.stage(), Stage::Refine);
    EXPECT_EQ(s.sweepStart(), 450);
    EXPECT_EQ(s.sweepLength(), 100);
    // It waits out the lead, then moves at a quarter of the coarse speed.
    s.advanceTo(5900);
    EXPECT_EQ(s.position(), 450);
    s.advanceTo(6000 + 2000);
    EXPECT_EQ(s.position(), 500);

    PointSweep left = at(0);
    left.press(200);  // column 20
    EXPECT_EQ(left.sweepStart(), 0);
    PointSweep right = at(0);
    right.press(9990);  // column 999
    EXPECT_EQ(right.sweepStart(), 900);
    EXPECT_EQ(right.sweepStart() + right.sweepLength(), 1000);
}

TEST(PointSweep, four_presses_choose_x_then_y_and_the_sweep_begins_again) {
    PointSweep s = at(0);
    s.press(3000);  // coarse x at 300: band 250..349
    s.advanceTo(3000 + 2000);
    EXPECT_EQ(s.press(5000), Press::Fixed);  // refined x at 300
    EXPECT_EQ(s.axis(), Axis::Y);
    EXPECT_EQ(s.fixedX(), 300);
    EXPECT_EQ(s.stage(), Stage::Coarse);
    EXPECT_EQ(s.press(5000 + 4000), Press::Fixed);  // coarse y: 500 rows in 10 s, at 200
    EXPECT_EQ(s.stage(), Stage::Refine);
    EXPECT_EQ(s.sweepStart(), 175);
    EXPECT_EQ(s.sweepLength(), 50);
    EXPECT_EQ(s.press(9000 + 8000), Press::Chosen);  // 8 s at 12.5 px/s: 100 -> past the band
    EXPECT_EQ(s.chosenX(), 300);
    EXPECT_GE(s.chosenY(), 175);
    EXPECT_LT(s.chosenY(), 225);
    EXPECT_EQ(s.axis(), Axis::X);
    EXPECT_EQ(s.stage(), Stage::Coarse);
    EXPECT_EQ(s.position(), 0);
}

TEST(PointSweep, the_band_wraps_to_its_start_and_exact_positions_hold) {
    PointSweep s = at(0);
    s.press(5000);  // band 450..549, 100 px in 4000 ms
    EXPECT_EQ(s.sweepDuration(), 4000u);
    s.advanceTo(5000 + 3999);
    EXPECT_EQ(s.position(), 549);
    s.advanceTo(5000 + 4000);
    EXPECT_EQ(s.position(), 450);
    s.advanceTo(5000 + 4000 + 1000);
    EXPECT_EQ(s.press(10000), Press::Fixed);
    EXPECT_EQ(s.fixedX(), 475);
}

TEST(PointSweep, three_sweeps_without_a_press_pause_the_line_until_a_press_resumes_it) {
    PointSweep s = at(0);
    s.advanceTo(29999);
    EXPECT_FALSE(s.paused());
    s.advanceTo(30000);
    EXPECT_TRUE(s.paused());
    EXPECT_EQ(s.position(), 0);
    s.advanceTo(90000);
    EXPECT_EQ(s.position(), 0);
    EXPECT_EQ(s.press(90000, 500), Press::Resumed);
    EXPECT_FALSE(s.paused());
    EXPECT_EQ(s.stage(), Stage::Coarse);
    EXPECT_EQ(s.axis(), Axis::X);
    s.advanceTo(90500 + 1000);
    EXPECT_EQ(s.position(), 100);
    // A press in between starts the count again.
    PointSweep counted = at(0);
    counted.advanceTo(25000);
    counted.press(25000);
    counted.advanceTo(25000 + 2 * counted.sweepDuration());
    EXPECT_FALSE(counted.paused());
    EXPECT_EQ(counted.sweepsWithoutPress(), 2);
}

TEST(PointSweep, without_the_refining_sweep_one_press_fixes_each_line) {
    SweepTuning coarseOnly;
    coarseOnly.refineSlowdown = 0;
    PointSweep s(1000, 500, 1000, coarseOnly);
    s.start(0);
    EXPECT_EQ(s.press(4000), Press::Fixed);
    EXPECT_EQ(s.axis(), Axis::Y);
    EXPECT_EQ(s.press(4000 + 2000), Press::Chosen);
    EXPECT_EQ(s.chosenX(), 400);
    EXPECT_EQ(s.chosenY(), 100);
}

TEST(PointSweep, a_tiny_screen_still_has_a_band_of_one_pixel) {
    PointSweep s(5, 5, 100);
    s.start(0);
    s.press(500);
    EXPECT_EQ(s.sweepLength(), 1);
    s.advanceTo(10000);
    EXPECT_GE(s.position(), 0);
    EXPECT_LT(s.position(), 5);
}

TEST(MinimumInterval, a_press_before_the_deadline_is_dropped_and_moves_it) {
    int32_t deadline = 1000;
    EXPECT_FALSE(zv::pressComesTooSoon(deadline, 1000, 1000));
    EXPECT_EQ(deadline, 1000);
    EXPECT_TRUE(zv::pressComesTooSoon(deadline, 1000, 999));
    EXPECT_EQ(deadline, 1999);
}
