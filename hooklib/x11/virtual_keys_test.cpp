#include "virtual_keys.h"

#include <X11/keysym.h>
#include <gtest/gtest.h>

using zv::hooklib::virtualKeyOf;

namespace {
constexpr unsigned long kNoSymbol = 0;

int vk(unsigned long keysym) {
    return virtualKeyOf(keysym, kNoSymbol, false);
}
}  // namespace

TEST(VirtualKeys, the_keys_the_program_acts_on_carry_their_windows_codes) {
    EXPECT_EQ(vk(XK_space), 32);
    EXPECT_EQ(vk(XK_Alt_L), 18);
    EXPECT_EQ(vk(XK_Alt_R), 18);
    EXPECT_EQ(vk(XK_Tab), 9);
    EXPECT_EQ(vk(XK_Return), 13);
    EXPECT_EQ(vk(XK_KP_Enter), 13);
    EXPECT_EQ(vk(XK_Right), 39);
    EXPECT_EQ(vk(XK_KP_Add), 107);
    EXPECT_EQ(vk(XK_Escape), 27);
    EXPECT_EQ(vk(XK_Shift_L), 16);
    EXPECT_EQ(vk(XK_Control_R), 17);
    EXPECT_EQ(vk(XK_BackSpace), 8);
    EXPECT_EQ(vk(XK_Delete), 46);
    EXPECT_EQ(vk(XK_Left), 37);
    EXPECT_EQ(vk(XK_Up), 38);
    EXPECT_EQ(vk(XK_Down), 40);
}

TEST(VirtualKeys, digits_letters_and_function_keys_run_in_order) {
    for (int i = 0; i <= 9; ++i) EXPECT_EQ(vk(XK_0 + i), 48 + i);
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(vk(XK_a + i), 65 + i);
        EXPECT_EQ(vk(XK_A + i), 65 + i);
    }
    EXPECT_EQ(vk(XK_F1), 112);
    EXPECT_EQ(vk(XK_F12), 123);
}

TEST(VirtualKeys, the_keypad_types_digits_with_num_lock_and_moves_without) {
    EXPECT_EQ(virtualKeyOf(XK_KP_End, XK_KP_1, true), 97);
    EXPECT_EQ(virtualKeyOf(XK_KP_End, XK_KP_1, false), 35);
    EXPECT_EQ(virtualKeyOf(XK_KP_Insert, XK_KP_0, true), 96);
    EXPECT_EQ(virtualKeyOf(XK_KP_Prior, XK_KP_9, true), 105);
    EXPECT_EQ(virtualKeyOf(XK_KP_Delete, XK_KP_Decimal, true), 110);
    // Num Lock leaves the keypad's operators alone.
    EXPECT_EQ(virtualKeyOf(XK_KP_Add, XK_KP_Add, true), 107);
}

TEST(VirtualKeys, a_key_without_a_windows_code_gives_zero) {
    EXPECT_EQ(vk(XK_ntilde), 0);
    EXPECT_EQ(vk(kNoSymbol), 0);
}
