#pragma once
// A part of the screen as pixels: what a point's spot looked like, or looks like now.
// Plain data, so that the pieces that compare spots know no platform.

#include <cstdint>
#include <vector>

#include "widgets/widget.h"

namespace zv {

struct ScreenPixels {
    // A pixel nobody could see there: off every screen, or under a window of the program's
    // own. Comparisons pass over it.
    static constexpr uint32_t kUnseen = 0xFF000000u;

    int width = 0, height = 0;
    std::vector<uint32_t> pixels;   // 0xRRGGBB row by row, or kUnseen

    ScreenPixels() = default;
    ScreenPixels(int w, int h, uint32_t fill = kUnseen)
        : width(w), height(h), pixels(static_cast<size_t>(w > 0 && h > 0 ? w * h : 0), fill) {}

    bool empty() const { return pixels.empty(); }
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    uint32_t& at(int x, int y) { return pixels[static_cast<size_t>(y * width + x)]; }
    bool operator==(const ScreenPixels&) const = default;
};

// The square of `side` pixels of `from` whose centre pixel (side / 2, side / 2) is (cx, cy)
// of `from`; what lies outside `from` is unseen.
ScreenPixels squareAround(const ScreenPixels& from, int cx, int cy, int side);

// Marks unseen the pixels lying in any of the rectangles; `pixels` shows the screen from
// (originX, originY), the rectangles are in screen coordinates.
void markUnseen(ScreenPixels& pixels, int originX, int originY, const std::vector<Rect>& covered);

// Marks unseen the pixels outside the rectangle (screen coordinates).
void keepWithin(ScreenPixels& pixels, int originX, int originY, const Rect& within);

}  // namespace zv
