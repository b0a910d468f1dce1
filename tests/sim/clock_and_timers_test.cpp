#include <gtest/gtest.h>

#include "sim_forms.h"

namespace zv::sim::testing {
namespace {

// What a handler of the program does to wait: pump, sleep 1 ms, until the time is up.
void pumpDelay(Platform& platform, Application& app, uint32_t ms) {
    const uint32_t start = platform.tickCount();
    do {
        platform.processMessages(app);
        platform.sleep(1);
    } while (platform.tickCount() - start < ms);
}

class Timers : public ::testing::Test {
protected:
    World world;
    PlainForm form{world.app, "F"};
    std::vector<std::pair<std::string, uint32_t>> fired;
    void SetUp() override {
        world.app.create(form);
        form.timer.onTimer = [this] { fired.emplace_back("timer", world.platform.tickCount()); };
        form.other.onTimer = [this] { fired.emplace_back("other", world.platform.tickCount()); };
    }
};

TEST_F(Timers, the_clock_starts_at_one_million_and_wraps_at_32_bits) {
    EXPECT_EQ(world.platform.tickCount(), 1000000u);
    world.platform.clock().set(0xFFFFFFF0u);
    form.timer.setInterval(20);
    form.timer.setOn(true);
    world.platform.runFor(50);
    ASSERT_EQ(fired.size(), 2u);
    EXPECT_EQ(fired[0].second, 4u);   // 0xFFFFFFF0 + 20
    EXPECT_EQ(fired[1].second, 24u);
    EXPECT_EQ(world.platform.tickCount(), 0x22u);
}

TEST_F(Timers, a_wait_across_the_wrap_ends_on_time) {
    world.platform.clock().set(0xFFFFFFFAu);
    pumpDelay(world.platform, world.app, 10);
    EXPECT_EQ(world.platform.tickCount(), 4u);
}

TEST_F(Timers, sleeping_delivers_nothing_and_a_pump_pass_costs_one_millisecond) {
    form.timer.setOn(true);
    world.platform.sleep(150);
    EXPECT_TRUE(fired.empty());
    world.platform.processMessages(world.app);
    EXPECT_EQ(world.platform.tickCount(), 1000151u);
    ASSERT_EQ(fired.size(), 1u);
    // Delivered late, the timer keeps its period: next due at start + 200.
    EXPECT_EQ(world.platform.timers().dueOf(form.timer), 1000200u);
}

TEST_F(Timers, timers_due_together_fire_in_the_order_they_were_switched_on) {
    form.other.setOn(true);
    form.timer.setOn(true);
    world.platform.runFor(100);
    ASSERT_EQ(fired.size(), 2u);
    EXPECT_EQ(fired[0].first, "other");
    EXPECT_EQ(fired[1].first, "timer");
}

TEST_F(Timers, timers_fire_in_order_of_due_time_over_a_long_advance) {
    form.timer.setInterval(300);
    form.timer.setOn(true);
    form.other.setInterval(200);
    form.other.setOn(true);
    world.platform.runFor(650);
    // At 600 both fall due: the one switched on first comes first.
    const std::vector<std::pair<std::string, uint32_t>> expected = {
        {"other", 1000200}, {"timer", 1000300}, {"other", 1000400}, {"timer", 1000600}, {"other", 1000600}};
    EXPECT_EQ(fired, expected);
    EXPECT_EQ(world.platform.tickCount(), 1000650u);
}

TEST_F(Timers, switching_on_and_changing_the_interval_start_a_fresh_period) {
    form.timer.setOn(true);
    world.platform.runFor(50);
    form.timer.setInterval(100);   // the same interval: the period goes on
    EXPECT_EQ(world.platform.timers().dueOf(form.timer), 1000100u);
    form.timer.setInterval(300);
    EXPECT_EQ(world.platform.timers().dueOf(form.timer), 1000350u);
    form.timer.setOn(false);
    world.platform.runFor(30);
    form.timer.setOn(true);
    EXPECT_EQ(world.platform.timers().dueOf(form.timer), 1000380u);
}

TEST_F(Timers, ticks_missed_while_a_handler_ran_come_once_not_queued) {
    int count = 0;
    form.timer.onTimer = [&] {
        if (++count == 1) world.platform.sleep(350);   // a long handler without pumping
    };
    form.timer.setOn(true);
    world.platform.runFor(100);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(world.platform.tickCount(), 1000450u);   // the handler ran past the end
    // Ticks at 200, 300 and 400 fell due while it ran: one of them is pending.
    world.platform.processMessages(world.app);
    EXPECT_EQ(count, 2);
    world.platform.processMessages(world.app);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(world.platform.timers().dueOf(form.timer), 1000500u);
}

TEST_F(Timers, a_timer_is_not_reentered_while_its_handler_waits_but_others_fire_inside) {
    int depth = 0, deepest = 0, own = 0;
    form.timer.onTimer = [&] {
        ++own;
        deepest = std::max(deepest, ++depth);
        if (own == 1) pumpDelay(world.platform, world.app, 350);
        --depth;
    };
    form.other.setInterval(120);
    form.timer.setOn(true);
    form.other.setOn(true);
    world.platform.runFor(100);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(own, 1);
    // The other timer ran at 120, 240, 360 inside the wait.
    ASSERT_EQ(fired.size(), 3u);
    EXPECT_EQ(fired[0].first, "other");
    EXPECT_GE(fired[0].second, 1000120u);
    EXPECT_LE(fired[2].second, 1000450u);
}

TEST_F(Timers, a_timer_switched_off_by_its_own_handler_fires_no_more) {
    form.timer.onTimer = [&] {
        fired.emplace_back("timer", 0);
        form.timer.setOn(false);
    };
    form.timer.setOn(true);
    world.platform.runFor(1000);
    EXPECT_EQ(fired.size(), 1u);
    EXPECT_FALSE(world.platform.timers().scheduled(form.timer));
}

TEST_F(Timers, a_failing_handler_is_reported_and_the_timer_goes_on) {
    form.timer.onTimer = [] { throw std::runtime_error("'x' is not a valid integer value"); };
    form.timer.setOn(true);
    world.platform.runFor(250);
    ASSERT_EQ(world.platform.dialogs().errors().size(), 2u);
    EXPECT_EQ(world.platform.dialogs().errors().front(), "'x' is not a valid integer value");
    EXPECT_FALSE(world.platform.timers().busy(form.timer));
}

TEST_F(Timers, a_timer_on_before_its_form_is_bound_runs_once_bound) {
    PlainForm late{world.app, "Late"};
    late.timer.setOn(true);
    int count = 0;
    late.timer.onTimer = [&] { ++count; };
    world.app.create(late);
    world.platform.runFor(100);
    EXPECT_EQ(count, 1);
}

TEST_F(Timers, a_destroyed_form_leaves_no_timer_behind) {
    WindowId id = 0;
    {
        PlainForm brief{world.app, "Brief"};
        world.app.create(brief);
        brief.timer.setOn(true);
        id = brief.windowId();
        EXPECT_TRUE(world.platform.timers().scheduled(brief.timer));
    }
    EXPECT_EQ(world.platform.desktop().find(id), nullptr);
    // Firing it now would run a dead timer's handler; the queue must have forgotten it.
    form.timer.setOn(true);
    world.platform.runFor(500);
    EXPECT_EQ(fired.size(), 5u);
}

TEST_F(Timers, a_timer_fired_at_once_never_enters_its_running_handler_and_restarts_its_period) {
    int runs = 0;
    form.timer.onTimer = [&] {
        ++runs;
        // Fired again from inside its own handler (a report arriving during a wait): the
        // running handler is not entered a second time.
        form.timer.fire();
        pumpDelay(world.platform, world.app, 30);
    };
    form.timer.setOn(true);
    world.platform.runFor(40);
    form.timer.restart();
    EXPECT_EQ(world.platform.timers().dueOf(form.timer), world.platform.tickCount() + 100);
    form.timer.fire();
    EXPECT_EQ(runs, 1);
    // Off, it fires nothing and restarts nothing.
    form.timer.setOn(false);
    form.timer.fire();
    form.timer.restart();
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(world.platform.timers().scheduled(form.timer));
}

TEST_F(Timers, what_waits_for_the_handlers_runs_once_the_outermost_has_returned) {
    std::vector<std::string> order;
    world.app.afterHandlers([&] { order.push_back("at once, nothing running"); });
    form.timer.onTimer = [&] {
        order.push_back("outer starts");
        world.app.dispatch([&] {
            world.app.afterHandlers([&] { order.push_back("after"); });
            order.push_back("nested");
        });
        EXPECT_TRUE(world.app.handling());
        order.push_back("outer ends");
    };
    form.timer.setOn(true);
    world.platform.runFor(100);
    EXPECT_EQ(order, (std::vector<std::string>{"at once, nothing running", "outer starts", "nested", "outer ends", "after"}));
    EXPECT_FALSE(world.app.handling());
}

}  // namespace
}  // namespace zv::sim::testing
