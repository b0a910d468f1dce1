#include <gtest/gtest.h>

#include "points/spot_matcher.h"

using namespace zv;

namespace {

constexpr uint32_t kFace = 0xE1E1E1, kHover = 0xE5F1FB, kInk = 0x1E1E1E, kEdge = 0xADADAD;

struct Canvas {
    ScreenPixels p;
    Canvas(int w, int h, uint32_t colour) : p(w, h, colour) {}
    Canvas& fill(int x, int y, int w, int h, uint32_t colour) {
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                if (i >= 0 && j >= 0 && i < p.width && j < p.height) p.at(i, j) = colour;
        return *this;
    }
};

// A button 30 x 24 of a calculator at the middle of a 32 x 32 spot, with a glyph drawn in
// strokes 3 pixels thick: "7" is a top bar and a right upright, "4" two uprights and a
// middle bar, "1" the right upright alone.
ScreenPixels button(const char* glyph, uint32_t face = kFace) {
    Canvas c(32, 32, 0xF0F0F0);
    c.fill(1, 4, 30, 24, face);
    for (int i = 1; i < 31; ++i) c.p.at(i, 4) = c.p.at(i, 27) = kEdge;
    const std::string g = glyph;
    if (g == "7" || g == "1") c.fill(18, 8, 3, 16, kInk);
    if (g == "7") c.fill(11, 8, 10, 3, kInk);
    if (g == "4") c.fill(11, 8, 3, 9, kInk).fill(11, 15, 10, 3, kInk).fill(18, 8, 3, 16, kInk);
    return c.p;
}

ScreenPixels blend(const ScreenPixels& a, const ScreenPixels& b) {
    ScreenPixels out = a;
    for (size_t i = 0; i < a.pixels.size(); ++i) {
        uint32_t v = 0;
        for (int s = 0; s < 24; s += 8) v |= ((((a.pixels[i] >> s) & 0xFF) + ((b.pixels[i] >> s) & 0xFF)) / 2) << s;
        out.pixels[i] = v;
    }
    return out;
}

ScreenPixels shifted(const ScreenPixels& p, int dx) {
    ScreenPixels out = p;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) out.at(x, y) = p.at(std::clamp(x - dx, 0, p.width - 1), y);
    return out;
}

}  // namespace

TEST(SpotMatcher, a_spot_is_the_same_under_a_hover_a_caret_and_edges_half_a_pixel_away) {
    const SpotMatcher m;
    const ScreenPixels seven = button("7");
    EXPECT_TRUE(m.compare(seven, seven).same);
    EXPECT_EQ(m.compare(seven, seven).difference, 0.0);
    // The hover lights the face up and turns its border blue.
    ScreenPixels hover = button("7", kHover);
    for (int i = 1; i < 31; ++i) hover.at(i, 4) = hover.at(i, 27) = 0x0078D7;
    EXPECT_TRUE(m.compare(seven, hover).same) << m.compare(seven, hover).difference;
    // A caret blinks on the spot, one pixel wide and as high as a line of text.
    ScreenPixels caret = seven;
    for (int y = 9; y < 25; ++y) caret.at(6, y) = 0x000000;
    EXPECT_TRUE(m.compare(seven, caret).same);
    EXPECT_TRUE(m.compare(caret, seven).same);
    // Antialiasing that put every edge half a pixel to the right.
    EXPECT_TRUE(m.compare(seven, blend(seven, shifted(seven, 1))).same);
}

TEST(SpotMatcher, another_glyph_a_bar_or_a_covering_window_is_a_changed_spot) {
    const SpotMatcher m;
    const ScreenPixels seven = button("7");
    EXPECT_FALSE(m.compare(seven, button("4")).same);
    EXPECT_FALSE(m.compare(button("4"), seven).same);
    EXPECT_FALSE(m.compare(seven, button("1")).same);
    // A bar three pixels wide is no caret.
    ScreenPixels bar = seven;
    for (int y = 9; y < 25; ++y)
        for (int x = 5; x < 8; ++x) bar.at(x, y) = 0x000000;
    EXPECT_FALSE(m.compare(seven, bar).same);
    // Another window over it, of the face's own colour.
    EXPECT_FALSE(m.compare(seven, ScreenPixels(32, 32, kFace)).same);
    // A caret of the same height is no change only where the other picture has none.
    EXPECT_FALSE(m.compare(seven, shifted(seven, 4)).same);
    // Pictures of different sides are never the same.
    EXPECT_FALSE(m.compare(seven, ScreenPixels(64, 64, kFace)).same);
}

TEST(SpotMatcher, unseen_pixels_are_passed_over_and_a_spot_mostly_unseen_is_not_judged) {
    const SpotMatcher m;
    const ScreenPixels seven = button("7");
    // The tracking frame's bars over the spot's sides, or the screen's edge.
    ScreenPixels framed = seven;
    markUnseen(framed, 0, 0, {{0, 0, 32, 3}, {0, 0, 3, 32}});
    framed.at(1, 1) = ScreenPixels::kUnseen;
    EXPECT_TRUE(m.compare(seven, framed).same);
    ScreenPixels changedUnderFrame = button("4");
    markUnseen(changedUnderFrame, 0, 0, {{0, 0, 32, 32}});
    const SpotVerdict hidden = m.compare(seven, changedUnderFrame);
    EXPECT_FALSE(hidden.same);
    EXPECT_EQ(hidden.seen, 0.0);
    // Seen only at a corner: too little to tell.
    ScreenPixels corner = seven;
    markUnseen(corner, 0, 0, {{0, 0, 32, 26}, {0, 0, 26, 32}});
    EXPECT_LT(m.compare(seven, corner).seen, 0.25);
    EXPECT_FALSE(m.compare(seven, corner).same);
}

TEST(SpotMatcher, a_plain_spot_is_not_detailed_enough_and_a_larger_one_is_taken) {
    const SpotMatcher m;
    EXPECT_TRUE(m.detailed(button("7")));
    EXPECT_FALSE(m.detailed(ScreenPixels(32, 32, 0xFFFFFF)));
    ScreenPixels speck(32, 32, 0xFFFFFF);
    speck.at(16, 16) = 0;
    EXPECT_FALSE(m.detailed(speck));
    EXPECT_EQ(spotSides(100), (std::vector<int>{32, 64, 96}));
    EXPECT_EQ(spotSides(150), (std::vector<int>{48, 96, 144}));
    // Odd sizes are made even, so that the point stands at the centre pixel.
    EXPECT_EQ(spotSides(125).front(), 40);
    EXPECT_EQ(spotSides(0).front(), 16);
}

TEST(SpotMatcher, the_search_finds_the_one_place_that_looks_alike_and_refuses_to_guess) {
    const SpotMatcher m;
    // A window 200 x 120 with three buttons: 7 at (40, 30), 4 at (130, 30), 1 at (90, 80).
    Canvas window(200, 120, 0xF0F0F0);
    auto put = [&](const ScreenPixels& b, int cx, int cy) {
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) window.p.at(cx - 16 + x, cy - 16 + y) = b.at(x, y);
    };
    put(button("7"), 40, 30);
    put(button("4"), 130, 30);
    put(button("1"), 90, 80);
    EXPECT_EQ(m.find(button("7"), window.p), (std::pair{40, 30}));
    EXPECT_EQ(m.find(button("4"), window.p), (std::pair{130, 30}));
    EXPECT_EQ(m.find(button("1"), window.p), (std::pair{90, 80}));
    // Two sevens far apart: a guess either way.
    put(button("7"), 160, 90);
    EXPECT_EQ(m.find(button("7"), window.p), std::nullopt);
    // Nothing there like it.
    Canvas plain(200, 120, 0xF0F0F0);
    EXPECT_EQ(m.find(button("7"), plain.p), std::nullopt);
    EXPECT_EQ(m.find(button("7"), ScreenPixels(20, 20, 0)), std::nullopt);
}

TEST(SpotMatcher, a_point_is_placed_where_its_spot_is_and_never_outside_its_window) {
    const SpotMatcher m;
    // The screen: a window at (100, 50), 200 x 120, its 7 moved from (140, 80) to (190, 100).
    Canvas screen(400, 300, 0x3A6EA5);
    screen.fill(100, 50, 200, 120, 0xF0F0F0);
    const ScreenPixels seven = button("7");
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) screen.p.at(190 - 16 + x, 100 - 16 + y) = seven.at(x, y);
    int reads = 0;
    const ScreenReader read = [&](const Rect& r) -> std::optional<ScreenPixels> {
        ++reads;
        ScreenPixels out(r.width, r.height);
        for (int y = 0; y < r.height; ++y)
            for (int x = 0; x < r.width; ++x)
                if (r.left + x >= 0 && r.top + y >= 0 && r.left + x < 400 && r.top + y < 300)
                    out.at(x, y) = screen.p.at(r.left + x, r.top + y);
        return out;
    };
    const Rect window{100, 50, 200, 120};
    EXPECT_EQ(relocate(m, seven, window, 140, 80, read), (std::pair{190, 100}));
    EXPECT_EQ(reads, 2);
    // Where it is already, one read and no search.
    reads = 0;
    EXPECT_EQ(relocate(m, seven, window, 190, 100, read), (std::pair{190, 100}));
    EXPECT_EQ(reads, 1);
    // Not in the window: the place the edges give.
    EXPECT_EQ(relocate(m, button("4"), window, 140, 80, read), (std::pair{140, 80}));
    // A screen that cannot be read leaves the place as it is.
    EXPECT_EQ(relocate(m, seven, window, 140, 80, [](const Rect&) { return std::optional<ScreenPixels>(); }),
              (std::pair{140, 80}));
    // The neighbourhood: the window's size round the place, within the window, widened by
    // half a spot for the spots centred on its edge.
    EXPECT_EQ(searchArea(window, 140, 80, 32), (Rect{84, 34, 172, 122}));
    EXPECT_EQ(searchArea(window, 200, 110, 32), (Rect{84, 34, 232, 152}));
}
