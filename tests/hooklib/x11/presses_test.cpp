// What decides that a press is reported: one report per press, none for the program's
// own, and each handed to the program once, in memory, with the moment of its event.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include <vector>

#include "common/tick_count.h"
#include "mailbox.h"
#include "own_input.h"
#include "press_filter.h"
#include "report_queue.h"
#include "server_clock.h"

namespace zv::hooklib {
namespace {

constexpr int kKeyboard = 7, kOtherKeyboard = 9, kKeyA = 38, kKeyReturn = 36;
using Kind = OwnInput::Kind;
using Clock = OwnInput::Clock;

void reportClick(int value) { reportPress({HookReport::Kind::Click, value}); }
void reportKey(int virtualKey) { reportPress({HookReport::Kind::Key, virtualKey}); }

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

// --- The mailbox: every report once, in order, in memory, at the moment of its event ----

namespace zv::hooklib {
namespace {

std::vector<LzReport> takeAll() {
    std::vector<LzReport> out;
    LzReport r{};
    while (takeReport(r)) out.push_back(r);
    return out;
}

TEST(Mailbox, reports_wait_in_order_carry_their_events_time_and_never_touch_a_file) {
    const auto folder = std::filesystem::temp_directory_path() / ("zv-mailbox-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    ::setenv("ZENTAVORO_INI", (folder / "Zentavoro.ini").string().c_str(), 1);
    takeAll();

    const uint32_t before = x11::monotonicTickCount();
    {
        EventTime moment(before - 40);
        reportWindowTitle("Calculadora \xC0");
        reportClick(1);
    }
    reportKey(32);
    {
        // A time after the report, or far before it, is no event's: the report's own moment.
        EventTime future(before + 60000);
        reportClick(2);
    }
    {
        EventTime stale(before - 60000);
        reportKey(65);
    }
    const uint32_t after = x11::monotonicTickCount();
    const auto within = [&](uint32_t t) { return t - before <= after - before; };

    const auto reports = takeAll();
    ASSERT_EQ(reports.size(), 4u);
    EXPECT_EQ(reports[0].kind, LZ_REPORT_CLICK);
    EXPECT_EQ(reports[0].value, 1);
    EXPECT_EQ(reports[0].time, before - 40);
    EXPECT_EQ(reports[0].hasTitle, 1);
    EXPECT_STREQ(reports[0].title, "Calculadora \xC0");
    EXPECT_EQ(reports[1].kind, LZ_REPORT_KEY);
    EXPECT_EQ(reports[1].value, 32);
    EXPECT_EQ(reports[1].hasTitle, 0);
    EXPECT_TRUE(within(reports[1].time));
    EXPECT_EQ(reports[2].value, 2);
    EXPECT_EQ(reports[2].hasTitle, 0);  // the title went with the press it belonged to
    EXPECT_TRUE(within(reports[2].time));
    EXPECT_TRUE(within(reports[3].time));
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    std::filesystem::remove_all(folder);
}

TEST(Mailbox, a_press_made_while_the_program_takes_is_neither_lost_nor_taken_twice) {
    takeAll();
    constexpr int kPresses = 2000;
    // The program keeps up, as its poll does: the library is never more than a few dozen
    // reports ahead, so none is let go for want of room.
    std::atomic<int> takenSoFar{0};
    std::thread library([&] {
        for (int i = 0; i < kPresses; ++i) {
            while (i - takenSoFar.load() > 50) std::this_thread::yield();
            reportKey(i % 200);
        }
    });
    std::vector<LzReport> taken;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (taken.size() < static_cast<size_t>(kPresses) && std::chrono::steady_clock::now() < until) {
        LzReport r{};
        if (takeReport(r)) {
            taken.push_back(r);
            takenSoFar = static_cast<int>(taken.size());
        }
    }
    library.join();
    for (const LzReport& r : takeAll()) taken.push_back(r);
    ASSERT_EQ(taken.size(), static_cast<size_t>(kPresses));
    for (int i = 0; i < kPresses; ++i) EXPECT_EQ(taken[static_cast<size_t>(i)].value, i % 200);
}

TEST(ReportQueue, keeps_the_newest_when_the_program_takes_none) {
    ReportQueue q;
    for (int i = 0; i < static_cast<int>(ReportQueue::kCapacity) + 10; ++i) q.push(LZ_REPORT_KEY, i, 0);
    LzReport r{};
    ASSERT_TRUE(q.take(r));
    EXPECT_EQ(r.value, 10);
    EXPECT_EQ(q.size(), ReportQueue::kCapacity - 1);
}

TEST(ServerClock, a_server_on_the_same_clock_needs_nothing_added_and_another_is_put_halfway) {
    EXPECT_EQ(ServerClock::offsetFrom(1000, 1000, 1002), 0u);
    EXPECT_EQ(ServerClock::offsetFrom(1000, 1002, 1002), 0u);
    // Across the wrap of both clocks.
    EXPECT_EQ(ServerClock::offsetFrom(0xFFFFFFFEu, 1u, 3u), 0u);
    // A server that started later counts less: its times are moved up to the tick count.
    const uint32_t offset = ServerClock::offsetFrom(500000, 1234, 500010);
    EXPECT_EQ(1234u + offset, 500005u);
    // One whose count has wrapped while ours has not.
    const uint32_t wrapped = ServerClock::offsetFrom(10, 0xFFFFFF00u, 20);
    EXPECT_EQ(0xFFFFFF00u + wrapped, 15u);
}

}  // namespace
}  // namespace zv::hooklib
