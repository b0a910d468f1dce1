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
