// Code page 1252 at the Win32 boundary.
#include "backends/win32/pictures.h"
#include "fixture.h"
#include "backends/win32/wide.h"

namespace zv::win32::testing {
namespace {

TEST(Win32Text, names_outside_the_code_page_keep_their_original_spelling) {
    const std::wstring original = L"Carta \u03A9 \u00F1";  // omega has no code page 1252 byte
    const std::string name = narrowName(original);
    EXPECT_EQ(name, "Carta ? \xF1");
    EXPECT_EQ(widenName(name), original);
    EXPECT_EQ(widenName("Z:\\scans\\" + name), L"Z:\\scans\\" + original);
    // Names that convert both ways are not remembered, just converted.
    EXPECT_EQ(widenName("T\xEDtol \x80"), L"T\u00EDtol \u20AC");
}

TEST(Win32Text, picture_names_become_resource_names) {
    EXPECT_EQ(Pictures::resourceName("ejecutar"), L"EJECUTAR");
    EXPECT_EQ(Pictures::resourceName("pictures/slide1.bmp"), L"SLIDE1");
    EXPECT_EQ(Pictures::resourceName("assets\\pictures\\Grabar.BMP"), L"GRABAR");
}

using Win32WindowText = Win32Test;

TEST_F(Win32WindowText, titles_arrive_as_code_page_1252_cut_to_the_length_asked) {
    HWND w = CreateWindowExW(0, L"STATIC", L"T\u00CDTOL \u20AC \u00E7", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    const WindowId id = static_cast<WindowId>(reinterpret_cast<uintptr_t>(w));
    EXPECT_EQ(platform.windowText(id, 254), "T\xCDTOL \x80 \xE7");
    EXPECT_EQ(platform.windowText(id, 3), "T\xCDT");
    EXPECT_EQ(platform.className(id, 254), "Static");
    const auto all = platform.topLevelWindows();
    EXPECT_NE(std::find(all.begin(), all.end(), id), all.end());
    DestroyWindow(w);
}

}  // namespace
}  // namespace zv::win32::testing
