// The pixels of the simulated screen: the desktop's colour, then every shown window from
// the bottom of the z-order up. A foreign window shows its face and what the scenario drew
// on it; a window of the program shows its colour, cut to its shape.

#include <cstdint>
#include <string>

#include "backends/sim/platform.h"

namespace zv::sim {

namespace {

constexpr uint32_t kDesktop = 0x3A6EA5;
constexpr int kGlyphW = 5, kGlyphH = 7, kGlyphScale = 3;

bool inside(const Rect& r, int x, int y) { return x >= r.left && y >= r.top && x < r.left + r.width && y < r.top + r.height; }

// A character's glyph: 5 x 7 cells drawn from the character itself, so that two texts that
// differ look different, as they do on a real screen.
bool glyphCell(unsigned char c, int i, int j) {
    uint32_t h = 2166136261u ^ c;
    h *= 16777619u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    const int bit = j * kGlyphW + i;
    return ((h >> (bit % 31)) & 1) != 0;
}

// The colour of a foreign window's pixel at (x, y) of the window.
uint32_t foreignPixel(const SimWindow& w, int x, int y) {
    uint32_t colour = w.face;
    for (const SimPaint& p : w.paints) {
        if (!inside(p.rect, x, y)) continue;
        colour = p.colour;
        if (p.text.empty()) continue;
        const int textW = static_cast<int>(p.text.size()) * (kGlyphW + 1) * kGlyphScale;
        const int left = p.rect.left + (p.rect.width - textW) / 2;
        const int top = p.rect.top + (p.rect.height - kGlyphH * kGlyphScale) / 2;
        const int gx = (x - left) / kGlyphScale, gy = (y - top) / kGlyphScale;
        if (x < left || y < top || gy >= kGlyphH) continue;
        const size_t letter = static_cast<size_t>(gx / (kGlyphW + 1));
        const int cell = gx % (kGlyphW + 1);
        if (letter < p.text.size() && cell < kGlyphW &&
            glyphCell(static_cast<unsigned char>(p.text[letter]), cell, gy))
            colour = 0x1E1E1E;
    }
    return colour;
}

}  // namespace

std::optional<ScreenPixels> SimPlatform::screenPixels(const Rect& area) {
    if (area.width <= 0 || area.height <= 0) return std::nullopt;
    ScreenPixels out(area.width, area.height);
    const auto& z = desktop_.zOrder();
    for (int j = 0; j < area.height; ++j) {
        for (int i = 0; i < area.width; ++i) {
            const int x = area.left + i, y = area.top + j;
            if (x < 0 || y < 0 || x >= screen.width || y >= screen.height) continue;
            uint32_t colour = kDesktop;
            for (WindowId id : z) {
                const SimWindow* w = desktop_.find(id);
                if (!w || !w->visible || !inside(w->rect, x, y)) continue;
                const int wx = x - w->rect.left, wy = y - w->rect.top;
                if (w->foreign()) {
                    colour = foreignPixel(*w, wx, wy);
                    break;
                }
                if (w->region) {
                    const int cx = wx - w->clientLeft, cy = wy - w->clientTop;
                    bool shown = false;
                    for (const Rect& r : *w->region) shown = shown || inside(r, cx, cy);
                    if (!shown) continue;
                }
                colour = w->form->color & 0xFFFFFF;
                // The program's colours are the system's: blue in the high byte.
                colour = ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
                break;
            }
            out.at(i, j) = colour;
        }
    }
    return out;
}

int SimPlatform::displayScale(int, int) { return 100; }

}  // namespace zv::sim
