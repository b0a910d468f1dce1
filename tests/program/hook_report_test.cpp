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

TEST_F(ScanningProgram, a_press_the_poll_takes_later_keeps_the_moment_it_was_made) {
    // The library's report carries the moment of the press; the poll that acts on it comes
    // when the placement that had the poll timer off is over.
    uint32_t pressedAt = 0;
    program->application().dispatch([&] {
        main->TimerMouseHook.setOn(false);
        pressedAt = platform.tickCount();
        platform.input().userPress(MouseButton::Left);
        platform.sleep(40);
        main->TimerMouseHook.setOn(true);
    });
    EXPECT_TRUE(clicked());
    EXPECT_EQ(main->pressTick, pressedAt);
    // What another program writes has no moment of its own but the poll's.
    platform.sleep(500);
    const uint32_t polled = platform.tickCount();
    report();
    EXPECT_EQ(main->pressTick, polled);
}

TEST_F(ScanningProgram, a_press_caught_before_a_stop_is_not_clicked_at_the_next_start) {
    program->application().dispatch([&] {
        main->TimerMouseHook.setOn(false);
        platform.input().userPress(MouseButton::Left);
        main->MenuPararClick();
    });
    EXPECT_FALSE(clicked());
    program->application().dispatch([&] { main->MenuEjecutarClick(); });
    platform.runFor(500);
    EXPECT_TRUE(main->TimerMouseHook.on());
    EXPECT_FALSE(clicked());
}

}  // namespace
}  // namespace zv
