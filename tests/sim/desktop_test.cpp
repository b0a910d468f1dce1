#include <gtest/gtest.h>

#include "backends/sim/binding.h"
#include "sim_forms.h"

namespace zv::sim::testing {
namespace {

class DesktopTest : public ::testing::Test {
protected:
    World world;
    PlainForm main{world.app, "Main", {900, 0, 120, 90}};
    PlainForm tool{world.app, "Tool", {100, 100, 50, 50}};
    int activations = 0;
    Desktop& desktop() { return world.platform.desktop(); }
    void SetUp() override {
        world.app.create(main);
        world.app.create(tool);
        world.app.onActivate = [this] { ++activations; };
    }
    WindowId foreign(const std::string& name, Rect r = {0, 0, 400, 300}) {
        return desktop().addForeign(name, name + " title", "SimWindow", r);
    }
    // The program's Alt+Tab chord.
    void altTab() {
        world.platform.keyEvent(18, false);
        world.platform.keyEvent(9, false);
        world.platform.keyEvent(9, true);
        world.platform.keyEvent(18, true);
    }
};

TEST_F(DesktopTest, a_new_foreign_window_is_in_front_and_listed_first_with_hidden_forms_too) {
    const WindowId a = foreign("a");
    const WindowId b = foreign("b");
    EXPECT_EQ(desktop().foreground(), b);
    const auto all = world.platform.topLevelWindows();
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(all[0], b);
    EXPECT_EQ(all[1], a);
    // The two hidden forms are listed as well.
    EXPECT_NE(std::find(all.begin(), all.end(), main.windowId()), all.end());
    EXPECT_EQ(world.platform.windowText(b, 3), "b t");
    EXPECT_EQ(world.platform.className(main.windowId(), 254), "TMain");
}

TEST_F(DesktopTest, always_on_top_forms_stay_above_new_windows) {
    main.placeTopmost();
    main.show();
    const WindowId a = foreign("a", {800, 0, 224, 300});
    EXPECT_EQ(world.platform.topLevelWindows().front(), main.windowId());
    EXPECT_EQ(world.platform.windowFromPoint(950, 50), main.windowId());
    EXPECT_EQ(world.platform.windowFromPoint(850, 50), a);
    EXPECT_EQ(world.platform.windowFromPoint(950, 500), 0u);
}

TEST_F(DesktopTest, a_window_that_takes_no_input_lets_the_pointer_and_its_clicks_through) {
    PlainForm line{world.app, "Line", {200, 0, 3, 768}};
    line.topmost = true;
    line.takesInput = false;
    world.app.create(line);
    line.show();
    line.placeTopmost();
    const WindowId a = foreign("a", {0, 0, 1024, 768});
    EXPECT_EQ(world.platform.windowFromPoint(201, 300), a);
    world.platform.setCursorPos(201, 300);
    world.platform.mouseEvent(0x8002, 0, 0);
    world.platform.mouseEvent(0x8004, 0, 0);
    ASSERT_EQ(desktop().findForeign("a")->received.size(), 1u);
    EXPECT_EQ(desktop().findForeign("a")->received[0], "press left 201 300");
}

TEST_F(DesktopTest, showing_the_main_form_over_another_application_activates_the_program_once) {
    foreign("a");
    main.show();
    EXPECT_EQ(desktop().foreground(), main.windowId());
    EXPECT_EQ(activations, 1);
    // Another form of the program showing does not take the front.
    tool.show();
    EXPECT_EQ(desktop().foreground(), main.windowId());
    // Moving between the program's own windows is no activation.
    tool.bringToFront();
    EXPECT_EQ(desktop().foreground(), tool.windowId());
    EXPECT_EQ(activations, 1);
    // Back from another application it is.
    world.platform.userFront(desktop().findForeign("a")->id);
    main.bringToFront();
    EXPECT_EQ(activations, 2);
}

TEST_F(DesktopTest, moving_between_forms_runs_their_activate_and_deactivate_handlers) {
    std::vector<std::string> events;
    main.onDeactivate = [&] { events.push_back("main off"); };
    tool.onActivate = [&] { events.push_back("tool on"); };
    main.show();
    tool.show();
    tool.bringToFront();
    EXPECT_EQ(events, (std::vector<std::string>{"main off", "tool on"}));
}

TEST_F(DesktopTest, bringing_a_hidden_window_to_the_front_does_nothing) {
    const WindowId a = foreign("a");
    tool.bringToFront();
    EXPECT_EQ(desktop().foreground(), a);
    EXPECT_EQ(activations, 0);
}

TEST_F(DesktopTest, hiding_the_window_in_front_hands_the_front_down_the_z_order) {
    const WindowId a = foreign("a");
    foreign("b");
    main.show();
    tool.show();
    tool.bringToFront();
    tool.hide();
    EXPECT_EQ(desktop().foreground(), main.windowId());
    main.hide();
    // b is above a in the z-order.
    EXPECT_EQ(desktop().describe(desktop().foreground()), "b");
    world.platform.userFront(a);
    EXPECT_EQ(desktop().foreground(), a);
}

TEST_F(DesktopTest, hiding_the_last_visible_window_leaves_nothing_in_front) {
    main.show();
    main.hide();
    EXPECT_EQ(desktop().foreground(), 0u);
}

TEST_F(DesktopTest, alt_tab_returns_to_the_most_recently_active_other_window) {
    const WindowId a = foreign("a");
    const WindowId b = foreign("b");
    world.platform.userFront(a);   // a is now more recent than b
    main.show();
    altTab();
    EXPECT_EQ(desktop().foreground(), a);
    altTab();
    EXPECT_EQ(desktop().foreground(), main.windowId());
    (void)b;
    // The chord reached no window.
    EXPECT_TRUE(desktop().find(a)->received.empty());
    EXPECT_EQ(world.platform.input().records(),
              (std::vector<std::string>{"key 18 down", "key 9 down", "key 9 up", "key 18 up", "key 18 down",
                                        "key 9 down", "key 9 up", "key 18 up"}));
}

TEST_F(DesktopTest, alt_tab_skips_windows_that_have_been_hidden_and_does_nothing_alone) {
    main.show();
    altTab();
    EXPECT_EQ(desktop().foreground(), main.windowId());
    tool.show();
    tool.bringToFront();
    tool.hide();
    altTab();
    EXPECT_EQ(desktop().foreground(), main.windowId());
}

TEST_F(DesktopTest, a_lone_synthesised_alt_is_an_ordinary_key) {
    const WindowId a = foreign("a");
    world.platform.keyEvent(18, false);
    world.platform.keyEvent(18, true);
    EXPECT_EQ(desktop().find(a)->received, std::vector<std::string>{"key 18"});
}

TEST_F(DesktopTest, window_from_point_looks_through_the_hole_of_a_shaped_form) {
    const WindowId under = foreign("under", {0, 0, 1024, 768});
    PlainForm frame{world.app, "Frame", {100, 100, 50, 50}};
    world.app.create(frame);
    frame.placeTopmost();
    frame.setRegion({{0, 0, 50, 8}, {0, 42, 50, 8}, {0, 8, 8, 34}, {42, 8, 8, 34}});
    frame.show();
    EXPECT_EQ(world.platform.windowFromPoint(103, 103), frame.windowId());
    EXPECT_EQ(world.platform.windowFromPoint(145, 120), frame.windowId());
    EXPECT_EQ(world.platform.windowFromPoint(125, 125), under);
    EXPECT_EQ(world.platform.windowFromPoint(150, 125), under);   // just outside the right edge
    frame.hide();
    EXPECT_EQ(world.platform.windowFromPoint(103, 103), under);
}

TEST_F(DesktopTest, client_size_counts_the_border_caption_and_menu_of_a_framed_form) {
    class Framed : public Form {
    public:
        explicit Framed(Application& app) : Form(app, "Framed"), menu(this, "MenuX", "&X") {
            border = BorderStyle::Sizeable;
            designClientWidth = 200;
            designClientHeight = 100;
        }
        MenuItem menu;
    } framed{world.app};
    world.app.create(framed);
    const FrameInsets f = frameInsets(framed);
    EXPECT_EQ(framed.width(), 200 + f.left + f.right);
    EXPECT_EQ(framed.clientWidth(), 200);
    EXPECT_EQ(framed.clientHeight(), 100);
    framed.setClientSize(83, 183);
    EXPECT_EQ(framed.clientWidth(), 83);
    EXPECT_EQ(framed.height(), 183 + f.top + f.bottom);
    EXPECT_GT(f.top, f.bottom);   // caption and menu bar
}

TEST_F(DesktopTest, a_window_stands_where_it_is_only_while_it_is_shown) {
    const WindowId a = foreign("a", {30, 40, 200, 100});
    EXPECT_EQ(world.platform.windowRect(a), (Rect{30, 40, 200, 100}));
    desktop().find(a)->rect = {-50, 60, 300, 120};
    EXPECT_EQ(world.platform.windowRect(a), (Rect{-50, 60, 300, 120}));
    desktop().hide(a);
    EXPECT_FALSE(world.platform.windowRect(a));
    desktop().show(a);
    EXPECT_TRUE(world.platform.windowRect(a));
    desktop().remove(a);
    EXPECT_FALSE(world.platform.windowRect(a));
    // A form is hidden until it is shown.
    EXPECT_FALSE(world.platform.windowRect(tool.windowId()));
    tool.show();
    EXPECT_EQ(world.platform.windowRect(tool.windowId()), (Rect{100, 100, 50, 50}));
}

TEST_F(DesktopTest, a_maximised_form_covers_the_screen_when_shown) {
    PlainForm screen{world.app, "Screen"};
    screen.maximised = true;
    world.app.create(screen);
    world.platform.screen = {800, 600};
    screen.show();
    EXPECT_EQ(screen.bounds(), (Rect{0, 0, 800, 600}));
    EXPECT_EQ(world.platform.windowFromPoint(799, 599), screen.windowId());
}

TEST_F(DesktopTest, the_window_title_follows_the_caption) {
    main.setCaption("ZENTAVORO  - x");
    EXPECT_EQ(world.platform.windowText(main.windowId(), 254), "ZENTAVORO  - x");
    EXPECT_EQ(world.platform.windowText(main.windowId(), 4), "ZENT");
}

}  // namespace
}  // namespace zv::sim::testing
