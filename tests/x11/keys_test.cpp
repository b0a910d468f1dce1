// The key table: the codes the program acts on, and every code it presses, both ways.
#include "common/keys.h"

#include <X11/keysym.h>
#include <gtest/gtest.h>

namespace zv::x11 {
namespace {

constexpr unsigned long kNoSymbol = 0;

int vk(unsigned long keysym) { return vkForKey(keysym, keysym); }

TEST(Keys, the_keys_the_program_acts_on_carry_their_windows_codes) {
    EXPECT_EQ(vk(XK_space), 32);
    EXPECT_EQ(vk(XK_Alt_L), 18);
    EXPECT_EQ(vk(XK_Alt_R), 18);
    EXPECT_EQ(vk(XK_ISO_Level3_Shift), 18);
    EXPECT_EQ(vk(XK_Tab), 9);
    EXPECT_EQ(vk(XK_ISO_Left_Tab), 9);
    EXPECT_EQ(vk(XK_Return), 13);
    EXPECT_EQ(vk(XK_KP_Enter), 13);
    EXPECT_EQ(vk(XK_Right), 39);
    EXPECT_EQ(vk(XK_KP_Add), 107);
    EXPECT_EQ(vk(XK_Escape), 27);
    EXPECT_EQ(vk(XK_Shift_L), 16);
    EXPECT_EQ(vk(XK_Control_R), 17);
    EXPECT_EQ(vk(XK_BackSpace), 8);
    EXPECT_EQ(vk(XK_Delete), 46);
    EXPECT_EQ(vk(XK_semicolon), 0xBA);
    EXPECT_EQ(vk(XK_less), 0xE2);
}

TEST(Keys, digits_letters_and_function_keys_run_in_order) {
    for (int i = 0; i <= 9; ++i) EXPECT_EQ(vk(XK_0 + i), 48 + i);
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(vk(XK_a + i), 65 + i);
        EXPECT_EQ(vk(XK_A + i), 65 + i);
    }
    EXPECT_EQ(vk(XK_F1), 112);
    EXPECT_EQ(vk(XK_F12), 123);
}

TEST(Keys, the_keypad_types_digits_with_num_lock_and_moves_without) {
    EXPECT_EQ(vkForKey(XK_KP_End, XK_KP_1), 0x61);
    EXPECT_EQ(vkForKey(XK_KP_End, XK_KP_End), 0x23);
    EXPECT_EQ(vkForKey(XK_KP_Insert, XK_KP_0), 0x60);
    EXPECT_EQ(vkForKey(XK_KP_Prior, XK_KP_9), 0x69);
    EXPECT_EQ(vkForKey(XK_KP_Delete, XK_KP_Decimal), 0x6E);
    // The comma some layouts put on the keypad is its decimal key, as on Windows.
    EXPECT_EQ(vkForKey(XK_KP_Delete, XK_KP_Separator), 0x6E);
    // Num Lock leaves the keypad's operators alone, and a main key is named by its cap
    // whatever it typed.
    EXPECT_EQ(vkForKey(XK_KP_Add, XK_KP_Add), 0x6B);
    EXPECT_EQ(vkForKey(XK_1, XK_exclam), '1');
    EXPECT_EQ(vkForKey(XK_a, XK_A), 'A');
}

TEST(Keys, what_the_program_presses_comes_back_as_the_same_code) {
    std::vector<uint8_t> codes = {0x08, 0x09, 0x0D, 0x10, 0x11, 0x12, 0x1B, 0x20, 0x25, 0x26, 0x27, 0x28, 0x6A, 0x6B, 0x6E};
    for (uint8_t c = '0'; c <= '9'; ++c) codes.push_back(c);
    for (uint8_t c = 'A'; c <= 'Z'; ++c) codes.push_back(c);
    for (uint8_t c = 0x60; c <= 0x69; ++c) codes.push_back(c);
    for (uint8_t c = 0x70; c <= 0x7B; ++c) codes.push_back(c);
    for (uint8_t code : codes) {
        const unsigned long ks = keysymForVk(code);
        ASSERT_NE(ks, 0u) << int(code);
        EXPECT_EQ(vkForKeysym(ks), code) << int(code);
    }
    EXPECT_EQ(keysymForVk('A'), static_cast<unsigned long>(XK_a));  // the key, not the capital
    EXPECT_EQ(keysymForVk(0x6C), static_cast<unsigned long>(XK_KP_Separator));
    EXPECT_EQ(keysymForVk(0xA4), static_cast<unsigned long>(XK_Alt_L));
}

TEST(Keys, a_key_without_a_windows_code_gives_zero) {
    EXPECT_EQ(vk(XK_ntilde), 0);
    EXPECT_EQ(vk(kNoSymbol), 0);
    EXPECT_EQ(keysymForVk(0xFF), 0u);
}

}  // namespace
}  // namespace zv::x11
