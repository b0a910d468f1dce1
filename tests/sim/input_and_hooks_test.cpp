#include <gtest/gtest.h>

#include <filesystem>

#include "platform/profile.h"
#include "sim_forms.h"

namespace zv::sim::testing {
namespace {

// The reports waiting, as "click 1", "key 65", "click 1 in TITLE", at their virtual time.
std::vector<std::string> taken(SimHooks& hooks, uint32_t at) {
    std::vector<std::string> out;
    while (auto r = hooks.takeReport()) {
        std::string text = (r->kind == HookReport::Kind::Key ? "key " : "click ") + std::to_string(r->value);
        if (r->windowTitle) text += " in " + *r->windowTitle;
        if (r->tick != at) text += " at " + std::to_string(r->tick);
        out.push_back(text);
    }
    return out;
}
using Reports = std::vector<std::string>;

class PictureForm : public PlainForm {
public:
    explicit PictureForm(Application& app) : PlainForm(app, "Pictures", {500, 400, 200, 100}), picture(this, "Picture") {
        picture.setBounds({20, 10, 50, 40});
    }
    Image picture;
};

class InputTest : public ::testing::Test {
protected:
    World world;
    PictureForm form{world.app};
    SimHooks& hooks() { return world.platform.simHooks(); }
    InputRouter& input() { return world.platform.input(); }
    WindowId target = 0;
    void SetUp() override {
        world.app.create(form);
        target = world.platform.desktop().addForeign("app", "Bloc de notas", "Notepad", {0, 0, 400, 300});
    }
    const std::vector<std::string>& got() { return world.platform.desktop().find(target)->received; }
};

TEST_F(InputTest, with_a_mouse_hook_the_user_press_is_reported_at_its_moment_and_not_given_to_the_window) {
    hooks().SetHookExecucio();
    input().movePointer(120, 45);
    const uint32_t first = world.platform.clock().now();
    input().userPress(MouseButton::Left);
    world.platform.clock().advance(250);
    input().userPress(MouseButton::Right);
    EXPECT_TRUE(got().empty());
    // Only the recording hook names the window; each report keeps the moment of its press.
    EXPECT_EQ(taken(hooks(), first), (Reports{"click 1", "click 2 at " + std::to_string(first + 250)}));
    // The middle button is not the hook's.
    input().userPress(MouseButton::Middle);
    EXPECT_EQ(got(), std::vector<std::string>{"press middle 120 45"});
    EXPECT_TRUE(taken(hooks(), first).empty());
    EXPECT_FALSE(std::filesystem::exists(settingsFilePath()));
}

TEST_F(InputTest, the_recording_hook_also_names_the_clicked_window) {
    hooks().SetHookGrabacio();
    input().movePointer(10, 10);
    input().userPress(MouseButton::Left);
    EXPECT_EQ(taken(hooks(), world.platform.clock().now()), Reports{"click 1 in Bloc de notas"});
}

TEST_F(InputTest, without_a_hook_the_window_under_the_pointer_gets_the_press_and_the_front) {
    form.show();
    form.bringToFront();
    input().movePointer(300, 200);
    input().userPress(MouseButton::Right);
    EXPECT_EQ(got(), std::vector<std::string>{"press right 300 200"});
    EXPECT_EQ(world.platform.foregroundWindow(), target);
    EXPECT_TRUE(taken(hooks(), 0).empty());
}

TEST_F(InputTest, a_press_on_a_form_goes_to_the_picture_under_it_or_to_the_form) {
    std::vector<std::string> events;
    form.picture.onMouseDown = [&](MouseButton, int x, int y) {
        events.push_back("picture " + std::to_string(x) + " " + std::to_string(y));
    };
    form.onMouseDown = [&](MouseButton b, int x, int y) {
        events.push_back(std::string(b == MouseButton::Right ? "right " : "left ") + std::to_string(x) + " " +
                         std::to_string(y));
    };
    form.show();
    input().movePointer(525, 415);
    input().userPress(MouseButton::Left);
    input().movePointer(600, 480);
    input().userPress(MouseButton::Right);
    form.picture.setVisible(false);
    input().movePointer(525, 415);
    input().userPress(MouseButton::Left);
    EXPECT_EQ(events, (std::vector<std::string>{"picture 5 5", "right 100 80", "left 25 15"}));
}

TEST_F(InputTest, the_keyboard_hook_listens_and_the_any_key_hook_takes_the_key) {
    const uint32_t now = world.platform.clock().now();
    hooks().SetHookKeyboard();
    input().userKey(65);
    EXPECT_EQ(got(), std::vector<std::string>{"key 65"});
    hooks().SetHookQualsevolTecla();
    input().userKey(13);
    // The any-key hook came last and takes the key before the keyboard hook sees it.
    EXPECT_EQ(got(), std::vector<std::string>{"key 65"});
    hooks().UnHookQualsevolTecla();
    input().userKey(32);
    EXPECT_EQ(taken(hooks(), now), (Reports{"key 65", "click 1", "key 32"}));
    EXPECT_FALSE(std::filesystem::exists(settingsFilePath()));
}

TEST_F(InputTest, a_key_with_no_window_in_front_goes_nowhere) {
    world.platform.desktop().remove(target);
    input().userKey(9);
    EXPECT_EQ(world.platform.foregroundWindow(), 0u);
}

TEST_F(InputTest, the_program_s_own_input_is_recorded_and_never_reported_by_the_hooks) {
    hooks().SetHookExecucio();
    hooks().SetHookKeyboard();
    world.platform.setCursorPos(512, 100);
    world.platform.mouseEvent(0x8002, 32768, 8533);
    world.platform.mouseEvent(0x8004, 32768, 8533);
    world.platform.keyEvent(13, false);
    world.platform.keyEvent(13, true);
    world.platform.messageBeep(0);
    EXPECT_TRUE(taken(hooks(), 0).empty());
    // The click landed on the window under the pointer; the key went to the one in front.
    world.platform.desktop().find(target)->rect = {0, 0, 1024, 768};
    EXPECT_EQ(got(), (std::vector<std::string>{"key 13"}));
    world.platform.mouseEvent(0x8008, 0, 0);
    EXPECT_EQ(got(), (std::vector<std::string>{"key 13", "press right 512 100"}));
    EXPECT_EQ(input().records(),
              (std::vector<std::string>{"move 512 100", "mouse 0x8002 32768 8533", "mouse 0x8004 32768 8533",
                                        "key 13 down", "key 13 up", "beep 0", "mouse 0x8008 0 0"}));
}

TEST_F(InputTest, synthesised_input_for_a_form_arrives_at_the_next_pump) {
    std::vector<int> keys;
    int presses = 0;
    form.onKeyUp = [&](int vk) { keys.push_back(vk); };
    form.onMouseDown = [&](MouseButton, int, int) { ++presses; };
    form.show();
    form.bringToFront();
    world.platform.setCursorPos(650, 450);
    world.platform.keyEvent(9, false);
    world.platform.keyEvent(9, true);
    world.platform.mouseEvent(0x8002, 0, 0);
    EXPECT_TRUE(keys.empty());
    EXPECT_EQ(presses, 0);
    world.platform.processMessages(world.app);
    EXPECT_EQ(keys, std::vector<int>{9});
    EXPECT_EQ(presses, 1);
}

TEST_F(InputTest, the_user_key_goes_to_the_form_in_front_at_once) {
    std::vector<int> keys;
    form.onKeyUp = [&](int vk) { keys.push_back(vk); };
    form.show();
    form.bringToFront();
    input().userKey(39);
    EXPECT_EQ(keys, std::vector<int>{39});
}

TEST_F(InputTest, the_pointer_stays_on_the_screen) {
    world.platform.setCursorPos(5000, -3);
    EXPECT_EQ(world.platform.cursorPos(), (ScreenPoint{1023, 0}));
    EXPECT_EQ(input().records(), std::vector<std::string>{"move 5000 -3"});
}

TEST_F(InputTest, an_absolute_move_places_the_pointer_in_screen_pixels) {
    world.platform.mouseEvent(0x8001, 32768, 32768);
    EXPECT_EQ(world.platform.cursorPos(), (ScreenPoint{512, 384}));
}

TEST(Hooks, installing_replacing_and_removing_are_tracked_and_recorded) {
    World world;
    SimHooks& hooks = world.platform.simHooks();
    HookLibrary& library = world.platform.hooks();
    library.SetHookGrabacio();
    library.SetHookExecucio();
    library.SetHookKeyboard();
    EXPECT_EQ(hooks.installed(), (std::vector<std::string>{"mouse-execution", "keyboard"}));
    library.UnHookHook();
    library.SetHookQualsevolTecla();
    library.UnHookKeyboard();
    EXPECT_EQ(hooks.installed(), std::vector<std::string>{"any-key"});
    EXPECT_EQ(hooks.calls(), (std::vector<std::string>{"SetHookGrabacio", "SetHookExecucio", "SetHookKeyboard",
                                                       "UnHookHook", "SetHookQualsevolTecla", "UnHookKeyboard"}));
}

TEST(Hooks, no_hook_acts_once_the_process_has_ended) {
    World world;
    SimHooks& hooks = world.platform.simHooks();
    hooks.SetHookExecucio();
    hooks.setProcessRunning(false);
    EXPECT_FALSE(hooks.userPress(MouseButton::Left, ""));
    EXPECT_TRUE(taken(hooks, 0).empty());
    // What it left installed is still known.
    EXPECT_EQ(hooks.installed(), std::vector<std::string>{"mouse-execution"});
}

}  // namespace
}  // namespace zv::sim::testing
