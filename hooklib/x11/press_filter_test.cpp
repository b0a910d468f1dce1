#include "press_filter.h"

#include <gtest/gtest.h>

using zv::hooklib::PressFilter;

namespace {
constexpr int kKeyboard = 7, kOtherKeyboard = 9, kXtest = 5, kKeyA = 38;
}

TEST(PressFilter, a_held_key_is_reported_once_until_it_is_released) {
    PressFilter f;
    EXPECT_TRUE(f.press(kKeyboard, kKeyA, false));
    EXPECT_FALSE(f.press(kKeyboard, kKeyA, false));
    EXPECT_FALSE(f.press(kKeyboard, kKeyA, false));
    f.release(kKeyboard, kKeyA);
    EXPECT_TRUE(f.press(kKeyboard, kKeyA, false));
}

TEST(PressFilter, the_same_key_on_two_keyboards_is_two_presses) {
    PressFilter f;
    EXPECT_TRUE(f.press(kKeyboard, kKeyA, false));
    EXPECT_TRUE(f.press(kOtherKeyboard, kKeyA, false));
    f.release(kOtherKeyboard, kKeyA);
    EXPECT_FALSE(f.press(kKeyboard, kKeyA, false));
}

TEST(PressFilter, synthesised_presses_are_never_reported_nor_their_repeats) {
    PressFilter f;
    EXPECT_FALSE(f.press(kXtest, kKeyA, true));
    EXPECT_FALSE(f.press(kXtest, kKeyA, true));
    // The user's own press of the same key while the synthesised one is down still counts.
    EXPECT_TRUE(f.press(kKeyboard, kKeyA, false));
}

TEST(PressFilter, a_forgotten_keyboard_reports_its_next_press_and_the_others_keep_theirs) {
    PressFilter f;
    f.press(kKeyboard, kKeyA, false);
    f.press(kOtherKeyboard, kKeyA, false);
    f.forget(kKeyboard);
    EXPECT_TRUE(f.press(kKeyboard, kKeyA, false));
    EXPECT_FALSE(f.press(kOtherKeyboard, kKeyA, false));
}
