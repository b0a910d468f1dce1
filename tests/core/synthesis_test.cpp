#include "scan/synthesis.h"

#include <gtest/gtest.h>

#include <cmath>

using zv::absoluteCoordinate;

TEST(AbsoluteCoordinates, round_to_the_nearest_with_ties_to_even) {
    EXPECT_EQ(absoluteCoordinate(512, 1024), 32768);  // 32767.5
    EXPECT_EQ(absoluteCoordinate(0, 1024), 0);
    EXPECT_EQ(absoluteCoordinate(1023, 1024), 65471);
    EXPECT_EQ(absoluteCoordinate(1024, 1024), 65535);
    EXPECT_EQ(absoluteCoordinate(384, 768), 32768);   // 32767.5 again
    EXPECT_EQ(absoluteCoordinate(256, 512), 32768);
    EXPECT_EQ(absoluteCoordinate(128, 1024), 8192);   // 8191.875
}

TEST(AbsoluteCoordinates, quotient_first_then_the_extended_product) {
    // 65535 / 1366 is not exact; the product of the rounded quotient decides.
    const long double q = 65535.0L / 1366.0L;
    for (int x : {1, 683, 1000, 1365}) EXPECT_EQ(absoluteCoordinate(x, 1366), static_cast<int>(std::nearbyint(q * x)));
    EXPECT_EQ(absoluteCoordinate(5, 0), 0);
}

TEST(AbsoluteCoordinates, a_pointer_far_off_the_screen_saturates_instead_of_overflowing) {
    EXPECT_EQ(absoluteCoordinate(2147483647, 1024), 2147483647);
    EXPECT_EQ(absoluteCoordinate(-2147483647 - 1, 1024), -2147483647 - 1);
    EXPECT_EQ(absoluteCoordinate(2048, 1024), 131070);  // a second monitor: kept as it is
}

TEST(MinimumInterval, the_gate_holds_across_both_crossings_of_the_tick_count) {
    using zv::pressComesTooSoon;
    constexpr uint32_t kSigned = 0x80000000u;  // where the tick count turns negative as a signed number
    for (const uint32_t crossing : {kSigned, 0u}) {
        // A click 300 ms before the crossing: a bounce 100 ms later, before the crossing,
        // and one 500 ms later, after it, are both dropped, each moving the deadline on.
        int32_t next = static_cast<int32_t>(crossing - 300 + 1000);
        EXPECT_TRUE(pressComesTooSoon(next, 1000, crossing - 200));
        EXPECT_EQ(next, static_cast<int32_t>(crossing + 800));
        EXPECT_TRUE(pressComesTooSoon(next, 1000, crossing + 200));
        EXPECT_EQ(next, static_cast<int32_t>(crossing + 1200));
        EXPECT_FALSE(pressComesTooSoon(next, 1000, crossing + 1200));
        // The last click long before the crossing: the first press after it goes through.
        next = static_cast<int32_t>(crossing - 4000);
        EXPECT_FALSE(pressComesTooSoon(next, 1000, crossing + 100));
        EXPECT_EQ(next, static_cast<int32_t>(crossing - 4000));
    }
}

TEST(MinimumInterval, away_from_the_crossings_it_is_the_signed_comparison_it_always_was) {
    using zv::pressComesTooSoon;
    // The deadline at T + 1000: before it a press is dropped and the wait starts again.
    const uint32_t t = 5000000;
    int32_t next = static_cast<int32_t>(t + 1000);
    EXPECT_TRUE(pressComesTooSoon(next, 1000, t + 600));
    EXPECT_EQ(next, static_cast<int32_t>(t + 1600));
    EXPECT_TRUE(pressComesTooSoon(next, 1000, t + 1500));
    EXPECT_EQ(next, static_cast<int32_t>(t + 2500));
    EXPECT_FALSE(pressComesTooSoon(next, 1000, t + 2500));
    // An interval of 0 drops nothing; the start's deadline (now) lets the first press through.
    next = static_cast<int32_t>(t);
    EXPECT_FALSE(pressComesTooSoon(next, 0, t));
    // The longest interval the settings allow (ten seconds) still holds the whole wait.
    next = static_cast<int32_t>(t + 10000);
    EXPECT_TRUE(pressComesTooSoon(next, 10000, t + 1));
}
