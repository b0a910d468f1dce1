#include "platform/profile.h"
#include "program_world.h"

namespace zv {
namespace {

// The program scanning three points on a simulated desktop, no minimum interval.
class ScanningProgram : public testing::ProgramWorld {
protected:
    void SetUp() override {
        profileSet(settingsFilePath(), "Zentavoro", "D\xC8" "CIMES DE SEGON QUE DURA L'INTERVAL DE TEMPS ENTRE 2 CLICS", "0");
        platform.writeFile("t.zvo", "Projecte Brisal 2001 - Zentavoro v: 1\r\nN\xFAmero de puntos = 3\r\n100,100\r\n200,200\r\n"
                                    "300,300\r\n");
        startProgram({"t.zvo"});
        ASSERT_TRUE(main->TimerMouseHook.on());
        platform.input().records().clear();
    }
    // What the library does: the press in the mailbox, then the wake-up.
    void report() {
        profileSet(settingsFilePath(), "LlibreriaZentavoro", "CLIC", "1");
        program->application().hookReported();
    }
    bool clicked() {
        for (const std::string& r : platform.input().records())
            if (r.rfind("mouse 0x8002", 0) == 0) return true;
        return false;
    }
};

TEST_F(ScanningProgram, a_report_during_a_placement_clicks_as_soon_as_the_placement_ends) {
    // A scan step switches the poll timer off while it places the pointer; the press that
    // comes then must not wait a whole period after the step.
    bool clickedDuringStep = true;
    program->application().dispatch([&] {
        main->TimerMouseHook.setOn(false);
        report();
        clickedDuringStep = clicked();
        main->TimerMouseHook.setOn(true);
    });
    EXPECT_FALSE(clickedDuringStep);
    EXPECT_TRUE(clicked());
}

TEST_F(ScanningProgram, a_report_while_the_poll_timer_stays_off_waits_in_the_mailbox) {
    program->application().dispatch([&] {
        main->TimerMouseHook.setOn(false);
        report();
    });
    EXPECT_FALSE(clicked());
    EXPECT_EQ(profileGet(settingsFilePath(), "LlibreriaZentavoro", "CLIC", "0", 50).value, "1");
}

TEST_F(ScanningProgram, a_report_while_the_poll_tick_runs_is_taken_by_a_tick_of_its_own_afterwards) {
    // The tick that runs now has read the mailbox already; the report that arrives during
    // its click's wait is read by the tick that follows it at once.
    int ticks = 0;
    const auto dispatcher = main->TimerMouseHook.onTimer;
    main->TimerMouseHook.onTimer = [&] {
        ++ticks;
        dispatcher();
        if (ticks == 1) report();
    };
    report();
    EXPECT_EQ(ticks, 2);
    int clicks = 0;
    for (const std::string& r : platform.input().records()) clicks += r.rfind("mouse 0x8002", 0) == 0;
    EXPECT_EQ(clicks, 2);
}

TEST_F(ScanningProgram, a_press_whose_wake_up_trails_the_next_step_is_clicked_where_it_was_made) {
    // A library that reports from a thread of its own may wake the program a moment after
    // the scan step's timer: the step acts on the press before it moves the pointer on.
    auto& timers = platform.timers();
    auto untilNextStep = [&] { return timers.dueOf(main->TimerEscaneig) - platform.clock().now(); };
    timers.runFor(untilNextStep(), {});
    ASSERT_EQ(platform.cursorPos().x, 100);
    timers.runFor(untilNextStep() - 1, {});
    main->TimerMouseHook.restart();  // no poll tick before the step
    platform.input().records().clear();

    int ticks = 0;
    const auto dispatcher = main->TimerMouseHook.onTimer;
    main->TimerMouseHook.onTimer = [&] {
        ++ticks;
        dispatcher();
    };
    platform.holdHookWakeups(true);
    platform.input().userPress(MouseButton::Left);
    timers.runFor(1, {});
    platform.holdHookWakeups(false);
    timers.runFor(50, {});

    const auto& records = platform.input().records();
    std::vector<std::string> clicks;
    size_t firstClick = records.size(), moveOn = records.size();
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i].rfind("mouse 0x8002", 0) == 0) {
            clicks.push_back(records[i]);
            firstClick = std::min(firstClick, i);
        }
        if (records[i] == "move 200 200") moveOn = std::min(moveOn, i);
    }
    EXPECT_EQ(ticks, 1) << "the wake-up that came afterwards is passed over";
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_LT(firstClick, moveOn) << "clicked before the pointer went on to the next point";
    EXPECT_LT(moveOn, records.size()) << "the step went on after the click";
}

}  // namespace
}  // namespace zv
