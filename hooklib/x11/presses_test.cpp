// What decides that a press is reported: one report per press, none for the program's
// own, none lost between the program's read of the mailbox and its reset.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "mailbox.h"
#include "own_input.h"
#include "platform/profile.h"
#include "press_filter.h"

namespace zv::hooklib {
namespace {

constexpr int kKeyboard = 7, kOtherKeyboard = 9, kKeyA = 38, kKeyReturn = 36;
using Kind = OwnInput::Kind;
using Clock = OwnInput::Clock;

TEST(PressFilter, a_held_key_is_reported_once_until_it_is_released) {
    PressFilter f;
    EXPECT_TRUE(f.press(kKeyboard, kKeyA));
    EXPECT_FALSE(f.press(kKeyboard, kKeyA));
    EXPECT_TRUE(f.anyDown(kKeyboard));
    f.release(kKeyboard, kKeyA);
    EXPECT_FALSE(f.anyDown(kKeyboard));
    EXPECT_TRUE(f.press(kKeyboard, kKeyA));
}

TEST(PressFilter, the_same_key_on_two_keyboards_is_two_presses_and_forgetting_one_leaves_the_other) {
    PressFilter f;
    EXPECT_TRUE(f.press(kKeyboard, kKeyA));
    EXPECT_TRUE(f.press(kOtherKeyboard, kKeyA));
    f.forget(kKeyboard);
    EXPECT_TRUE(f.press(kKeyboard, kKeyA));
    EXPECT_FALSE(f.press(kOtherKeyboard, kKeyA));
}

TEST(OwnInput, each_announcement_skips_exactly_one_event_of_its_kind_code_and_direction) {
    OwnInput own;
    const auto t = Clock::now();
    own.expect(Kind::Key, kKeyReturn, true, t);
    own.expect(Kind::Key, kKeyReturn, false, t);
    EXPECT_TRUE(own.keysPending(t));
    // Another key, a button with the same code, or the release before the press: not ours.
    EXPECT_FALSE(own.take(Kind::Key, kKeyA, true, t));
    EXPECT_FALSE(own.take(Kind::Button, kKeyReturn, true, t));
    EXPECT_TRUE(own.take(Kind::Key, kKeyReturn, true, t));
    // A second Return press is somebody else's: a software switch pressing Return too.
    EXPECT_FALSE(own.take(Kind::Key, kKeyReturn, true, t));
    EXPECT_TRUE(own.take(Kind::Key, kKeyReturn, false, t));
    EXPECT_FALSE(own.keysPending(t));
}

TEST(OwnInput, an_announcement_nothing_answers_is_forgotten_and_cannot_swallow_a_later_press) {
    OwnInput own;
    const auto t = Clock::now();
    own.expect(Kind::Button, 1, true, t);
    own.expect(Kind::Key, kKeyA, true, t + std::chrono::milliseconds(500));
    const auto later = t + OwnInput::kLifetime + std::chrono::milliseconds(1);
    EXPECT_FALSE(own.take(Kind::Button, 1, true, later));
    EXPECT_TRUE(own.keysPending(later));
    EXPECT_FALSE(own.keysPending(later + std::chrono::milliseconds(500)));
    EXPECT_EQ(own.lastKey(), t + std::chrono::milliseconds(500));
}

TEST(OwnInput, forgetting_the_buttons_keeps_the_keys) {
    OwnInput own;
    const auto t = Clock::now();
    own.expect(Kind::Button, 1, true, t);
    own.expect(Kind::Key, kKeyA, true, t);
    own.forget(Kind::Button);
    EXPECT_FALSE(own.take(Kind::Button, 1, true, t));
    EXPECT_TRUE(own.take(Kind::Key, kKeyA, true, t));
}

}  // namespace
}  // namespace zv::hooklib

// --- The mailbox: a report never falls between the program's read and reset -----------

namespace zv::hooklib {
namespace {

TEST(Mailbox, a_report_made_while_the_program_holds_the_mailbox_waits_for_its_reset) {
    const auto folder = std::filesystem::temp_directory_path() / ("zv-mailbox-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string ini = (folder / "Zentavoro.ini").string();
    ::setenv("ZENTAVORO_INI", ini.c_str(), 1);
    auto clic = [&] { return profileGet(ini, "LlibreriaZentavoro", "CLIC", "0", 50).value; };

    holdReports(true);
    const std::string read = clic();
    std::thread library([] { reportClick("1"); });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    // The press has not overwritten the mailbox between the read and the reset...
    EXPECT_EQ(clic(), "0");
    profileSet(ini, "LlibreriaZentavoro", "CLIC", "0");
    holdReports(false);
    library.join();
    // ...it is there for the next read.
    EXPECT_EQ(read, "0");
    EXPECT_EQ(clic(), "1");
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace zv::hooklib
