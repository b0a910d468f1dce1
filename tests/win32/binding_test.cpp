// Native windows built from forms: bounds, controls, events through the model, timers,
// shapes on the edges and window shapes.
#include <windows.h>
#include <commctrl.h>

#include "fixture.h"

namespace zv::win32::testing {
namespace {

class Toolbar : public Form {
public:
    explicit Toolbar(Application& app) : Form(app, "Toolbar") {
        setBounds({10, 20, 165, 90});
        topmost = true;
        maximizeBox = false;
        setCaption("Barra");
        Spin.setBounds({52, 2, 41, 26});
        Spin.setHint("Decimas de segundo");
        Spin.onChange = [this] { ++changes; };
        Name.setBounds({0, 30, 80, 16});
        Name.setCaption("Nombre");
        Name.onClick = [this] { ++labelClicks; };
        onClose = [this] { ++closes; };
    }
    SpinEdit Spin{this, "Spin", 1, 255, 12};
    Label Name{this, "Name"};
    int changes = 0, labelClicks = 0, closes = 0;
};

class Ticking : public Form {
public:
    explicit Ticking(Application& app, Platform& platform) : Form(app, "Ticking"), platform_(platform) {
        Tick.onTimer = [this] {
            ++ticks;
            if (++depth > 1) ++reentries;
            // A handler that waits while processing messages, as the program's waits do.
            const uint32_t start = platform_.tickCount();
            while (platform_.tickCount() - start < 60) platform_.processMessages(this->app());
            --depth;
        };
    }
    Timer Tick{this, "Tick", 10};
    int ticks = 0, depth = 0, reentries = 0;

private:
    Platform& platform_;
};

HWND child(HWND parent, const wchar_t* cls) { return FindWindowExW(parent, nullptr, cls, nullptr); }

std::wstring textOf(HWND w) {
    wchar_t buf[256] = {};
    GetWindowTextW(w, buf, 256);
    return buf;
}

using BindingTest = Win32Test;

TEST_F(BindingTest, form_bounds_are_the_outer_window_and_follow_the_model) {
    Toolbar form(app);
    app.create(form);
    RECT r;
    GetWindowRect(hwndOf(form), &r);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.right - r.left, 165);
    EXPECT_EQ(r.bottom - r.top, 90);
    EXPECT_TRUE(GetWindowLongW(hwndOf(form), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongW(hwndOf(form), GWL_STYLE) & WS_MAXIMIZEBOX);
    EXPECT_EQ(textOf(hwndOf(form)), L"Barra");
    auto [cw, ch] = form.binding()->clientSize();
    EXPECT_LT(cw, 165);
    EXPECT_LT(ch, 90);

    form.setLeft(300);
    GetWindowRect(hwndOf(form), &r);
    EXPECT_EQ(r.left, 300);
    EXPECT_EQ(r.right - r.left, 165);
    // A move the model did not make reaches the model.
    SetWindowPos(hwndOf(form), nullptr, 50, 60, 200, 100, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(form.bounds(), (Rect{50, 60, 200, 100}));
}

TEST_F(BindingTest, spin_arrows_step_the_model_and_the_edit_shows_its_text) {
    Toolbar form(app);
    app.create(form);
    HWND edit = child(hwndOf(form), L"Edit");
    HWND arrows = child(hwndOf(form), UPDOWN_CLASSW);
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(arrows, nullptr);
    EXPECT_EQ(textOf(edit), L"12");
    EXPECT_TRUE(GetWindowLongW(edit, GWL_STYLE) & ES_READONLY);

    NMUPDOWN nm{};
    nm.hdr.hwndFrom = arrows;
    nm.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(arrows));
    nm.hdr.code = UDN_DELTAPOS;
    nm.iDelta = 1;
    SendMessageW(hwndOf(form), WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
    EXPECT_EQ(form.Spin.text(), "13");
    EXPECT_EQ(textOf(edit), L"13");
    nm.iDelta = -1;
    SendMessageW(hwndOf(form), WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
    SendMessageW(hwndOf(form), WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
    EXPECT_EQ(form.Spin.text(), "11");
    EXPECT_EQ(form.changes, 3);
    // The program may put any text there; the edit shows it as it is.
    form.Spin.setText("7abc");
    EXPECT_EQ(textOf(edit), L"7abc");
}

TEST_F(BindingTest, label_click_and_close_reach_the_model) {
    Toolbar form(app);
    app.create(form);
    HWND label = child(hwndOf(form), L"Static");
    ASSERT_NE(label, nullptr);
    SendMessageW(hwndOf(form), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(label), STN_CLICKED), reinterpret_cast<LPARAM>(label));
    EXPECT_EQ(form.labelClicks, 1);
    form.show();
    SendMessageW(hwndOf(form), WM_CLOSE, 0, 0);
    EXPECT_EQ(form.closes, 1);
    EXPECT_FALSE(form.visible());
    EXPECT_FALSE(IsWindowVisible(hwndOf(form)));
    EXPECT_TRUE(IsWindow(hwndOf(form)));  // closing hides; the window lives on
    EXPECT_TRUE(app.terminated());        // the first form is the main one
}

TEST_F(BindingTest, visibility_and_enabled_state_are_mirrored) {
    Toolbar form(app);
    app.create(form);
    HWND edit = child(hwndOf(form), L"Edit");
    form.show();
    EXPECT_TRUE(IsWindowVisible(edit));
    form.Spin.setVisible(false);
    EXPECT_FALSE(IsWindowVisible(edit));
    EXPECT_FALSE(IsWindowVisible(child(hwndOf(form), UPDOWN_CLASSW)));
    form.Spin.setEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(edit));
    form.hide();
    EXPECT_FALSE(IsWindowVisible(hwndOf(form)));
}

TEST_F(BindingTest, shapes_keep_to_their_edges_and_the_region_is_their_union) {
    Toolbar main(app);
    app.create(main);
    Frame frame(app);
    app.create(frame);
    EXPECT_TRUE(GetWindowLongW(hwndOf(frame), GWL_EXSTYLE) & WS_EX_NOACTIVATE);
    EXPECT_EQ(frame.Top.bounds(), (Rect{0, 0, 137, 8}));
    EXPECT_EQ(frame.Bottom.bounds(), (Rect{0, 129, 137, 8}));
    EXPECT_EQ(frame.Left.bounds(), (Rect{0, 8, 8, 121}));
    EXPECT_EQ(frame.Right.bounds(), (Rect{129, 8, 8, 121}));

    frame.setClientSize(217, 117);
    EXPECT_EQ(frame.clientWidth(), 217);
    EXPECT_EQ(frame.clientHeight(), 117);
    EXPECT_EQ(frame.Bottom.bounds(), (Rect{0, 109, 217, 8}));
    EXPECT_EQ(frame.Right.bounds(), (Rect{209, 8, 8, 101}));

    std::vector<Rect> bars;
    for (Shape* s : {&frame.Left, &frame.Right, &frame.Top, &frame.Bottom}) bars.push_back(s->bounds());
    frame.setRegion(bars);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(hwndOf(frame), region), ERROR);
    EXPECT_TRUE(PtInRegion(region, 3, 50));     // on the left bar
    EXPECT_TRUE(PtInRegion(region, 212, 112));  // bottom right corner
    EXPECT_FALSE(PtInRegion(region, 100, 50));  // in the hole
    EXPECT_FALSE(PtInRegion(region, 8, 8));     // first pixel of the hole
    DeleteObject(region);
}

TEST_F(BindingTest, timer_ticks_while_messages_are_processed_and_is_never_reentered) {
    Ticking form(app, platform);
    app.create(form);
    form.Tick.setOn(true);
    pump(400);
    form.Tick.setOn(false);
    EXPECT_GE(form.ticks, 3);
    EXPECT_EQ(form.reentries, 0);
    const int ticks = form.ticks;
    pump(100);
    EXPECT_EQ(form.ticks, ticks);  // off is off, also for a tick already queued
}

}  // namespace
}  // namespace zv::win32::testing
