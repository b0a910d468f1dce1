// Forms on screens of another resolution (laid out again, fonts made for it), and the
// pictures of tool buttons, greyed while the button is disabled.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "backends/win32/binding.h"
#include "backends/win32/dpi.h"
#include "fixture.h"

namespace zv::win32::testing {
namespace {

class Toolbar : public Form {
public:
    explicit Toolbar(Application& app) : Form(app, "Toolbar") {
        setBounds({10, 20, 165, 90});
        maximizeBox = false;
        Record.setBounds({25, 2, 25, 25});
        Spin.setBounds({52, 2, 41, 26});
        Name.setBounds({0, 30, 80, 16});
        Name.setCaption("Nombre");
    }
    ToolButton Record{this, "Record"};
    SpinEdit Spin{this, "Spin", 1, 255, 12};
    Label Name{this, "Name"};
};

class Catcher : public Form {
public:
    explicit Catcher(Application& app) : Form(app, "Catcher") {
        border = BorderStyle::None;
        setBounds({0, 0, 1, 1});
    }
};

HWND child(HWND parent, const wchar_t* cls) { return FindWindowExW(parent, nullptr, cls, nullptr); }

// Where a child window lies in its parent's client area.
Rect placeOf(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

int fontHeightOf(HWND w) {
    auto font = reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0));
    LOGFONTW lf{};
    GetObjectW(font, sizeof lf, &lf);
    return lf.lfHeight;
}

std::pair<int, int> clientOf(HWND w) {
    RECT r;
    GetClientRect(w, &r);
    return {r.right, r.bottom};
}

void sendDpiChange(HWND w, unsigned dpi, const RECT& suggested) {
    SendMessageW(w, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

// A 22 x 22 picture as the toolbar's: a light grey ground, a red disc, a black dot.
HBITMAP discPicture() {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 22, 22);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, 22, 22};
    HBRUSH ground = CreateSolidBrush(RGB(0xD4, 0xD0, 0xC8));
    FillRect(dc, &all, ground);
    DeleteObject(ground);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    HGDIOBJ oldBrush = SelectObject(dc, red);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    Ellipse(dc, 2, 2, 21, 21);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(red);
    SetPixel(dc, 4, 4, RGB(0, 0, 0));
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

using ScaleTest = Win32Test;

TEST_F(ScaleTest, a_form_moved_to_a_screen_of_144_dpi_is_laid_out_half_as_large_again_and_back) {
    Toolbar form(app);
    app.create(form);
    HWND edit = child(hwndOf(form), L"Edit");
    const int designFont = fontHeightOf(edit);
    ASSERT_EQ(designFont, -13);
    RECT before;
    GetWindowRect(hwndOf(form), &before);

    const RECT suggested{before.left, before.top, before.left + 248, before.top + 135};
    sendDpiChange(hwndOf(form), 144, suggested);
    // The model holds the screen's pixels from now on, and the native controls agree.
    EXPECT_EQ(form.Spin.bounds(), (Rect{78, 3, 62, 39}));
    EXPECT_EQ(placeOf(edit).top, 3);
    EXPECT_EQ(placeOf(edit).left, 78);
    EXPECT_EQ(form.Record.bounds(), (Rect{38, 3, 38, 38}));
    EXPECT_EQ(placeOf(child(hwndOf(form), L"Button")), (Rect{38, 3, 38, 38}));
    EXPECT_EQ(form.Name.bounds(), (Rect{0, 45, 120, 24}));
    EXPECT_EQ(fontHeightOf(edit), rescaled(-13, 96, 144));
    EXPECT_EQ(form.bounds(), (Rect{before.left, before.top, 248, 135}));

    sendDpiChange(hwndOf(form), 96, before);
    EXPECT_EQ(form.Spin.bounds(), (Rect{52, 2, 41, 26}));
    EXPECT_EQ(form.Record.bounds(), (Rect{25, 2, 25, 25}));
    EXPECT_EQ(fontHeightOf(edit), designFont);
    EXPECT_EQ(form.bounds(), (Rect{before.left, before.top, 165, 90}));
}

TEST_F(ScaleTest, laid_out_without_a_suggestion_the_client_area_and_the_bars_scale_and_keep_to_the_edges) {
    Frame frame(app);
    app.create(frame);
    ASSERT_EQ(clientOf(hwndOf(frame)), (std::pair<int, int>{137, 137}));
    static_cast<Win32Binding*>(frame.binding())->rescale(192, nullptr);
    EXPECT_EQ(clientOf(hwndOf(frame)), (std::pair<int, int>{274, 274}));
    EXPECT_EQ(frame.Top.bounds(), (Rect{0, 0, 274, 16}));
    EXPECT_EQ(frame.Bottom.bounds(), (Rect{0, 258, 274, 16}));
    EXPECT_EQ(frame.Left.bounds(), (Rect{0, 16, 16, 242}));
    EXPECT_EQ(frame.Right.bounds(), (Rect{258, 16, 16, 242}));

    // A window with nothing to lay out (the one-pixel pointer catcher) stays as it is.
    Catcher catcher(app);
    app.create(catcher);
    static_cast<Win32Binding*>(catcher.binding())->rescale(192, nullptr);
    EXPECT_EQ(catcher.width(), 1);
    EXPECT_EQ(catcher.height(), 1);
}

TEST(Manifest, the_program_declares_itself_aware_of_each_screens_resolution) {
    // Zentavoro.exe lies beside the tests; its manifest is resource 1 of type 24.
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring program = path;
    program = program.substr(0, program.find_last_of(L"\\/") + 1) + L"Zentavoro.exe";
    HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module) GTEST_SKIP() << "no Zentavoro.exe beside the tests";
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr) << "Zentavoro.exe has no manifest";
    const char* text = static_cast<const char*>(LockResource(LoadResource(module, found)));
    const std::string manifest(text, SizeofResource(module, found));
    FreeLibrary(module);
    // Windows 10 and later: per monitor, version 2 first; Windows 8.1: per monitor; before: the system's.
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
    EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
}

TEST_F(ScaleTest, greyed_picture_keeps_its_shape_in_greys_on_the_ground) {
    HBITMAP picture = discPicture();
    HBITMAP greyed = Pictures::greyedCopy(picture, RGB(0xC0, 0xC0, 0xC0));
    ASSERT_NE(greyed, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, greyed);
    const COLORREF corner = GetPixel(dc, 0, 21), disc = GetPixel(dc, 11, 11), dot = GetPixel(dc, 4, 4);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(greyed);
    DeleteObject(picture);

    EXPECT_EQ(corner, RGB(0xC0, 0xC0, 0xC0));  // the see-through ground is the button's
    // Red (brightness 76) half way to the ground, in grey; black half way too: darker.
    EXPECT_EQ(disc, RGB(134, 134, 134));
    EXPECT_EQ(dot, RGB(96, 96, 96));
}

TEST_F(ScaleTest, a_disabled_tool_button_shows_its_picture_greyed_not_a_blank_square) {
    Toolbar form(app);
    form.Record.picture = platform.pictures().addSnapshot(discPicture());
    app.create(form);
    form.show();
    HWND button = child(hwndOf(form), L"Button");
    ASSERT_NE(button, nullptr);
    auto pixelAt = [&](int x, int y) {
        RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        pump(50);
        HDC dc = GetDC(button);
        const COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(button, dc);
        return c;
    };
    // The button is 25 x 25 and the picture 22 x 22, centred: its pixel (11, 11) is the
    // button's (12, 12).
    EXPECT_EQ(pixelAt(12, 12), RGB(255, 0, 0));
    form.Record.setEnabled(false);
    const COLORREF disc = pixelAt(12, 12), ground = pixelAt(1, 1);
    EXPECT_EQ(GetRValue(disc), GetGValue(disc));
    EXPECT_EQ(GetGValue(disc), GetBValue(disc));
    EXPECT_NE(disc, ground) << "the disabled picture is a blank square";
    EXPECT_LT(GetRValue(disc), GetRValue(ground));
    form.Record.setEnabled(true);
    EXPECT_EQ(pixelAt(12, 12), RGB(255, 0, 0));
}

}  // namespace
}  // namespace zv::win32::testing
