#include "platform/screen_pixels.h"

#include <algorithm>

namespace zv {

ScreenPixels squareAround(const ScreenPixels& from, int cx, int cy, int side) {
    ScreenPixels out(side, side);
    const int x0 = cx - side / 2, y0 = cy - side / 2;
    for (int y = 0; y < side; ++y) {
        const int sy = y0 + y;
        if (sy < 0 || sy >= from.height) continue;
        for (int x = 0; x < side; ++x) {
            const int sx = x0 + x;
            if (sx >= 0 && sx < from.width) out.at(x, y) = from.at(sx, sy);
        }
    }
    return out;
}

void markUnseen(ScreenPixels& pixels, int originX, int originY, const std::vector<Rect>& covered) {
    for (const Rect& r : covered) {
        const int x0 = std::max(r.left - originX, 0), y0 = std::max(r.top - originY, 0);
        const int x1 = std::min(r.left + r.width - originX, pixels.width);
        const int y1 = std::min(r.top + r.height - originY, pixels.height);
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) pixels.at(x, y) = ScreenPixels::kUnseen;
    }
}

void keepWithin(ScreenPixels& pixels, int originX, int originY, const Rect& within) {
    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x) {
            const int sx = originX + x, sy = originY + y;
            if (sx < within.left || sy < within.top || sx >= within.left + within.width || sy >= within.top + within.height)
                pixels.at(x, y) = ScreenPixels::kUnseen;
        }
}

}  // namespace zv
