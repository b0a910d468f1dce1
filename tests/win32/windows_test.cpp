// Other programs' top-level windows as the platform reports them.
#include <windows.h>

#include "fixture.h"

namespace zv::win32::testing {
namespace {

class ForeignWindow : public Win32Test {
protected:
    void SetUp() override {
        Win32Test::SetUp();
        if (IsSkipped()) return;
        window = CreateWindowExW(0, L"STATIC", L"Ventana ajena", WS_OVERLAPPEDWINDOW, 120, 80, 400, 300, nullptr, nullptr,
                                 nullptr, nullptr);
        ASSERT_TRUE(window);
        ShowWindow(window, SW_SHOWNORMAL);
        pump(50);
    }
    void TearDown() override {
        if (window) DestroyWindow(window);
    }
    WindowId id() const { return static_cast<WindowId>(reinterpret_cast<uintptr_t>(window)); }
    HWND window = nullptr;
};

TEST_F(ForeignWindow, a_window_stands_where_the_system_has_it_while_it_is_on_the_screen) {
    RECT r{};
    ASSERT_TRUE(GetWindowRect(window, &r));
    EXPECT_EQ(platform.windowRect(id()), (Rect{r.left, r.top, r.right - r.left, r.bottom - r.top}));
    MoveWindow(window, 300, 200, 500, 350, TRUE);
    pump(50);
    ASSERT_TRUE(GetWindowRect(window, &r));
    EXPECT_EQ(platform.windowRect(id()), (Rect{r.left, r.top, r.right - r.left, r.bottom - r.top}));
    EXPECT_EQ(r.right - r.left, 500);

    ShowWindow(window, SW_MINIMIZE);
    pump(50);
    EXPECT_FALSE(platform.windowRect(id()));
    ShowWindow(window, SW_RESTORE);
    pump(50);
    EXPECT_TRUE(platform.windowRect(id()));
    ShowWindow(window, SW_HIDE);
    pump(50);
    EXPECT_FALSE(platform.windowRect(id()));
    DestroyWindow(window);
    window = nullptr;
    pump(20);
    EXPECT_FALSE(platform.windowRect(id()));
}

TEST_F(ForeignWindow, the_window_under_a_point_is_the_top_level_one_with_its_class_and_title) {
    HWND child = CreateWindowExW(0, L"BUTTON", L"Uno", WS_CHILD | WS_VISIBLE, 10, 10, 100, 40, window, nullptr, nullptr,
                                 nullptr);
    ASSERT_TRUE(child);
    pump(50);
    POINT p{60, 30};
    ClientToScreen(child, &p);
    const WindowId under = platform.windowFromPoint(p.x, p.y);
    EXPECT_EQ(under, id());
    EXPECT_EQ(platform.windowText(under, 254), "Ventana ajena");
    EXPECT_EQ(platform.className(under, 255), "Static");
}

}  // namespace
}  // namespace zv::win32::testing
