#include "feedback/form_transparent.h"
#include "platform/profile.h"
#include "program_world.h"

namespace zv {
namespace {

// Scanning two points of a window that has moved since they were recorded, with points
// following their window: what the scenario language cannot do to a window (minimise it,
// close it) is done to the simulated desktop here.
class FollowingProgram : public testing::ProgramWorld {
protected:
    void SetUp() override {
        profileSet(settingsFilePath(), "Zentavoro", "PUNTS SEGUEIXEN LA FINESTRA", "S\xCD");
        profileSet(settingsFilePath(), "Zentavoro", "D\xC8" "CIMES DE SEGON QUE DURA EL PAS D'ESCANEIG", "5");
        platform.writeFile("notes.zvo", "Projecte Brisal 2001 - Zentavoro v: 1\r\nN\xFAmero de puntos = 2\r\n130,140\r\n"
                                        "470,150\r\n//zv windows 1\r\n"
                                        "//zv window 1 100 100 400 300 \"NotesWindow\" \"Notes\"\r\n"
                                        "//zv point 1 1 left 30 top 40\r\n//zv point 2 1 right 30 top 50\r\n");
        notes = platform.desktop().addForeign("notes", "Notes", "NotesWindow", Rect{300, 200, 400, 300});
        startProgram({"notes.zvo"});
        ASSERT_TRUE(main->menuPointsFollowTheirWindow.checked());
        ASSERT_TRUE(main->TimerEscaneig.on());
    }
    // The pointer after the next scan step.
    ScreenPoint step() {
        platform.runFor(500);
        return platform.cursorPos();
    }

    WindowId notes = 0;
};

TEST_F(FollowingProgram, a_minimised_window_leaves_the_points_where_they_were_recorded_until_it_is_back) {
    EXPECT_EQ(step(), (ScreenPoint{330, 240}));
    platform.desktop().hide(notes);
    EXPECT_EQ(step(), (ScreenPoint{470, 150}));
    EXPECT_EQ(step(), (ScreenPoint{130, 140}));
    platform.desktop().show(notes);
    EXPECT_EQ(step(), (ScreenPoint{670, 250}));
}

TEST_F(FollowingProgram, a_closed_window_leaves_the_points_where_they_were_recorded_and_another_of_its_kind_takes_them) {
    EXPECT_EQ(step(), (ScreenPoint{330, 240}));
    platform.desktop().remove(notes);
    EXPECT_EQ(step(), (ScreenPoint{470, 150}));
    EXPECT_EQ(step(), (ScreenPoint{130, 140}));
    // Opened again the next day, elsewhere and smaller.
    platform.desktop().addForeign("notes again", "Notes", "NotesWindow", Rect{0, 0, 200, 100});
    EXPECT_EQ(step(), (ScreenPoint{170, 50}));
    EXPECT_EQ(step(), (ScreenPoint{30, 40}));
}

TEST_F(FollowingProgram, the_program_s_own_windows_are_never_taken_for_the_points_window) {
    // A window of the program that carried the recorded title and class would still not be
    // the application the points were recorded in.
    main->MenuActivarQuadroSeguimientoMouse.setChecked(true);
    EXPECT_EQ(step(), (ScreenPoint{330, 240}));
    ASSERT_TRUE(main->formTransparent->visible());
    platform.desktop().remove(notes);
    sim::SimWindow& own = *platform.desktop().find(main->formTransparent->windowId());
    own.title = "Notes";
    own.className = "NotesWindow";
    EXPECT_EQ(step(), (ScreenPoint{470, 150}));
}

}  // namespace
}  // namespace zv
