// What each hook reports of a press: the rule the hook libraries of every system share.
#include <gtest/gtest.h>

#include "platform/mailbox_keys.h"
#include "platform/press_report.h"

namespace zv {
namespace {

using Type = InputEvent::Type;
using Kind = HookReport::Kind;
constexpr int kSwitch = static_cast<int>(mailbox_keys::ClickValue::Switch);
constexpr int kRight = static_cast<int>(mailbox_keys::ClickValue::RightButton);
constexpr int kVkA = 65;

TEST(PressReport, the_mouse_hooks_report_the_left_button_as_the_switch_and_the_right_one_as_itself) {
    for (const HookMode hook : {HookMode::MouseExecution, HookMode::MouseRecording}) {
        const bool recording = hook == HookMode::MouseRecording;
        // Only a recorded switch press names its window, and it names it before the press.
        EXPECT_EQ(pressReport({Type::LeftButton}, hook), (PressReport{Kind::Click, kSwitch, recording}));
        EXPECT_EQ(pressReport({Type::RightButton}, hook), (PressReport{Kind::Click, kRight, false}));
        EXPECT_EQ(pressReport({Type::OtherButton}, hook), std::nullopt);
        EXPECT_EQ(pressReport({Type::Key, kVkA}, hook), std::nullopt);
    }
}

TEST(PressReport, the_keyboard_hook_reports_the_key_and_the_any_key_hook_a_switch_press) {
    EXPECT_EQ(pressReport({Type::Key, kVkA}, HookMode::Keyboard), (PressReport{Kind::Key, kVkA, false}));
    // A key with no virtual-key code is nothing the program could act on.
    EXPECT_EQ(pressReport({Type::Key, 0}, HookMode::Keyboard), std::nullopt);
    EXPECT_EQ(pressReport({Type::LeftButton}, HookMode::Keyboard), std::nullopt);

    EXPECT_EQ(pressReport({Type::Key, kVkA}, HookMode::AnyKeySwitch), (PressReport{Kind::Click, kSwitch, false}));
    EXPECT_EQ(pressReport({Type::Key, 0}, HookMode::AnyKeySwitch), (PressReport{Kind::Click, kSwitch, false}));
    EXPECT_EQ(pressReport({Type::RightButton}, HookMode::AnyKeySwitch), std::nullopt);
}

TEST(PressReport, no_hook_reports_nothing) {
    for (const Type type : {Type::LeftButton, Type::RightButton, Type::OtherButton, Type::Key})
        EXPECT_EQ(pressReport({type, kVkA}, HookMode::Off), std::nullopt);
}

TEST(PressReport, the_mailbox_holds_the_switch_values_as_the_program_reads_them) {
    EXPECT_STREQ(mailbox_keys::clickText(mailbox_keys::ClickValue::NoPress), "0");
    EXPECT_STREQ(mailbox_keys::clickText(mailbox_keys::ClickValue::Switch), "1");
    EXPECT_STREQ(mailbox_keys::clickText(mailbox_keys::ClickValue::RightButton), "2");
}

}  // namespace
}  // namespace zv
