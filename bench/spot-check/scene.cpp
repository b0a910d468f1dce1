#include "scene.h"

#include <algorithm>
#include <cmath>

namespace spotbench {

namespace {

constexpr int kTitle = 24, kBorder = 4;
constexpr int kRowHeight = 22, kListRows = 60;
constexpr uint32_t kFace = 0xE1E1E1, kFaceEdge = 0xADADAD, kHoverFace = 0xE5F1FB, kHoverEdge = 0x0078D7;
constexpr uint32_t kInk = 0x1E1E1E;

uint32_t blend(uint32_t bg, uint32_t fg, double a) {
    uint32_t out = 0;
    for (int s = 0; s < 24; s += 8) {
        const double b = (bg >> s) & 0xFF, f = (fg >> s) & 0xFF;
        out |= static_cast<uint32_t>(std::lround(b + (f - b) * a)) << s;
    }
    return out;
}

struct Canvas {
    Frame& f;
    Rect clip;
    void fill(const Rect& r, uint32_t colour, int element) {
        const int x0 = std::max({r.left, clip.left, 0}), y0 = std::max({r.top, clip.top, 0});
        const int x1 = std::min({r.left + r.width, clip.left + clip.width, f.pixels.width});
        const int y1 = std::min({r.top + r.height, clip.top + clip.height, f.pixels.height});
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                f.pixels.at(x, y) = colour;
                if (element >= 0) f.element[static_cast<size_t>(y * f.pixels.width + x)] = element;
            }
    }
    void outline(const Rect& r, uint32_t colour) {
        fill({r.left, r.top, r.width, 1}, colour, -1);
        fill({r.left, r.top + r.height - 1, r.width, 1}, colour, -1);
        fill({r.left, r.top, 1, r.height}, colour, -1);
        fill({r.left + r.width - 1, r.top, 1, r.height}, colour, -1);
    }
    // A rectangle of ink with fractional edges, its border pixels blended by coverage.
    void ink(double x0, double y0, double x1, double y1, uint32_t colour) {
        for (int y = static_cast<int>(std::floor(y0)); y < static_cast<int>(std::ceil(y1)); ++y)
            for (int x = static_cast<int>(std::floor(x0)); x < static_cast<int>(std::ceil(x1)); ++x) {
                if (x < std::max(clip.left, 0) || y < std::max(clip.top, 0) || x >= std::min(clip.left + clip.width, f.pixels.width) ||
                    y >= std::min(clip.top + clip.height, f.pixels.height))
                    continue;
                const double cover = std::max(0.0, std::min<double>(x + 1, x1) - std::max<double>(x, x0)) *
                                     std::max(0.0, std::min<double>(y + 1, y1) - std::max<double>(y, y0));
                f.pixels.at(x, y) = blend(f.pixels.at(x, y), colour, cover);
            }
    }
};

// Seven segments: a top, b top right, c bottom right, d bottom, e bottom left, f top left,
// g middle; and two more for the operators: h upright middle stroke, i a dot.
const char* segmentsOf(int label) {
    static const char* const table[] = {"abcdef", "bc",  "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc",
                                        "abcdefg", "abcdfg", "gh", "g", "gi", "adefi", "dg", "adef"};
    return table[label % 16];
}

// A label of the calculator, 14 x 24 pixels with 3-pixel strokes, centred on (cx, cy).
void glyph(Canvas& c, int label, double cx, double cy) {
    const double w = 14, h = 24, t = 3, x = cx - w / 2, y = cy - h / 2;
    for (const char* s = segmentsOf(label); *s; ++s) switch (*s) {
            case 'a': c.ink(x, y, x + w, y + t, kInk); break;
            case 'b': c.ink(x + w - t, y, x + w, y + h / 2, kInk); break;
            case 'c': c.ink(x + w - t, y + h / 2, x + w, y + h, kInk); break;
            case 'd': c.ink(x, y + h - t, x + w, y + h, kInk); break;
            case 'e': c.ink(x, y + h / 2, x + t, y + h, kInk); break;
            case 'f': c.ink(x, y, x + t, y + h / 2, kInk); break;
            case 'g': c.ink(x, y + h / 2 - t / 2, x + w, y + h / 2 + t / 2, kInk); break;
            case 'h': c.ink(cx - t / 2, y + 4, cx + t / 2, y + h - 4, kInk); break;
            case 'i': c.ink(cx - t / 2, y + 2, cx + t / 2, y + 2 + t, kInk); break;
        }
}

// The capital letters of a 5 x 7 pixel font, row by row, the leftmost pixel the highest bit.
const uint8_t kLetters[26][7] = {
    {14, 17, 17, 31, 17, 17, 17},
    {30, 17, 17, 30, 17, 17, 30},
    {14, 17, 16, 16, 16, 17, 14},
    {30, 17, 17, 17, 17, 17, 30},
    {31, 16, 16, 30, 16, 16, 31},
    {31, 16, 16, 30, 16, 16, 16},
    {14, 17, 16, 23, 17, 17, 15},
    {17, 17, 17, 31, 17, 17, 17},
    {14, 4, 4, 4, 4, 4, 14},
    {7, 2, 2, 2, 2, 18, 12},
    {17, 18, 20, 24, 20, 18, 17},
    {16, 16, 16, 16, 16, 16, 31},
    {17, 27, 21, 21, 17, 17, 17},
    {17, 17, 25, 21, 19, 17, 17},
    {14, 17, 17, 17, 17, 17, 14},
    {30, 17, 17, 30, 16, 16, 16},
    {14, 17, 17, 17, 21, 18, 13},
    {30, 17, 17, 30, 20, 18, 17},
    {15, 16, 16, 14, 1, 1, 30},
    {31, 4, 4, 4, 4, 4, 4},
    {17, 17, 17, 17, 17, 17, 14},
    {17, 17, 17, 17, 17, 10, 4},
    {17, 17, 17, 21, 21, 21, 10},
    {17, 17, 10, 4, 10, 17, 17},
    {17, 17, 10, 4, 4, 4, 4},
    {31, 1, 2, 4, 8, 16, 31}};

// A word of a list row: letters drawn from the seed, in the 5 x 7 font with strokes one
// pixel thick, at whole pixels as small text is drawn.
void word(Canvas& c, uint32_t seed, double x, double y) {
    std::mt19937 rng(seed);
    const int letters = 4 + static_cast<int>(rng() % 6);
    for (int l = 0; l < letters; ++l) {
        const uint8_t* glyph = kLetters[rng() % 26];
        for (int j = 0; j < 7; ++j)
            for (int i = 0; i < 5; ++i)
                if (glyph[j] & (0x10 >> i)) c.ink(x + l * 6 + i, y + j, x + l * 6 + i + 1, y + j + 1, kInk);
    }
}

bool inside(const Rect& r, int x, int y) { return x >= r.left && y >= r.top && x < r.left + r.width && y < r.top + r.height; }

void drawCalculator(Canvas& c, const SceneWindow& w, const Rect& client, const Look& look) {
    const int base = w.id * 1000;
    // The display: a text field across the top.
    const Rect display{client.left + 8, client.top + 8, client.width - 16, 40};
    c.fill(display, 0xFFFFFF, base + 20);
    c.outline(display, 0x7A7A7A);
    for (int d = 0; d < 3; ++d) glyph(c, (w.id + d * 3) % 10, display.left + display.width - 30 - d * 20 + look.subpixel, display.top + 20);
    // Sixteen buttons in four rows, stretching with the window.
    const int gap = 4, top = display.top + display.height + 8;
    const int bw = (client.width - 16 - 3 * gap) / 4, bh = (client.top + client.height - 8 - top - 3 * gap) / 4;
    static const int labels[16] = {7, 8, 9, 13, 4, 5, 6, 12, 1, 2, 3, 11, 15, 0, 14, 10};
    for (int r = 0; r < 4; ++r)
        for (int k = 0; k < 4; ++k) {
            const Rect b{client.left + 8 + k * (bw + gap), top + r * (bh + gap), bw, bh};
            const bool hover = inside(b, look.hoverX, look.hoverY);
            c.fill(b, hover ? kHoverFace : kFace, base + 1 + r * 4 + k);
            c.outline(b, hover ? kHoverEdge : kFaceEdge);
            glyph(c, labels[r * 4 + k], b.left + bw / 2.0 + look.subpixel, b.top + bh / 2.0 + look.subpixel * 0.5);
        }
}

void drawList(Canvas& c, const SceneWindow& w, const Rect& client, const Look& look) {
    const int base = w.id * 1000;
    c.fill(client, 0xFFFFFF, base);
    const Rect old = c.clip;
    c.clip = client;
    for (int slot = 0; slot * kRowHeight < client.height; ++slot) {
        const int row = slot + w.scroll;
        if (row < 0 || row >= kListRows) continue;
        const Rect r{client.left, client.top + slot * kRowHeight, client.width, kRowHeight};
        const bool hover = inside(r, look.hoverX, look.hoverY);
        c.fill(r, hover ? 0xE5F3FF : (row % 2 ? 0xF7F7F7 : 0xFFFFFF), base + 1 + row);
        word(c, w.labelSeed * 131 + static_cast<uint32_t>(row) * 7919, r.left + 8, r.top + 7);
        word(c, w.labelSeed * 17 + static_cast<uint32_t>(row) * 104729, r.left + 110, r.top + 7);
    }
    c.clip = old;
}

void drawOther(Canvas& c, const SceneWindow& w, const Rect& client) {
    c.fill(client, 0xF0F0F0, w.id * 1000);
    for (int y = client.top + 12; y + 10 < client.top + client.height; y += 18)
        word(c, w.labelSeed + static_cast<uint32_t>(y), client.left + 10, y);
}

}  // namespace

int Frame::elementAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= pixels.width || y >= pixels.height) return 0;
    return element[static_cast<size_t>(y * pixels.width + x)];
}

Frame draw(int width, int height, const std::vector<SceneWindow>& windows, const Look& look) {
    Frame f;
    f.pixels = ScreenPixels(width, height, 0);
    f.element.assign(static_cast<size_t>(width * height), 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) f.pixels.at(x, y) = 0x3A6EA5 + static_cast<uint32_t>((x / 64 + y / 64) % 2) * 0x080808;
    for (const SceneWindow& w : windows) {
        Canvas c{f, w.rect};
        c.fill(w.rect, 0xF0F0F0, w.id * 1000);
        c.fill({w.rect.left, w.rect.top, w.rect.width, kTitle}, w.kind == Kind::Other ? 0x6B8E23 : 0x2B579A, w.id * 1000);
        word(c, w.labelSeed, w.rect.left + 8, w.rect.top + 8);
        c.outline(w.rect, 0x404040);
        const Rect client{w.rect.left + kBorder, w.rect.top + kTitle, w.rect.width - 2 * kBorder, w.rect.height - kTitle - kBorder};
        c.clip = client;
        switch (w.kind) {
            case Kind::Calculator: drawCalculator(c, w, client, look); break;
            case Kind::List: drawList(c, w, client, look); break;
            case Kind::Other: drawOther(c, w, client); break;
        }
    }
    if (look.caretX >= 0) {
        Canvas c{f, {0, 0, width, height}};
        c.fill({look.caretX, look.caretY - 8, 1, 16}, 0x000000, -1);
    }
    return f;
}

bool elementCentre(const Frame& frame, int element, int& x, int& y) {
    long sx = 0, sy = 0, n = 0;
    for (int j = 0; j < frame.pixels.height; ++j)
        for (int i = 0; i < frame.pixels.width; ++i)
            if (frame.element[static_cast<size_t>(j * frame.pixels.width + i)] == element) sx += i, sy += j, ++n;
    if (n == 0) return false;
    x = static_cast<int>(sx / n);
    y = static_cast<int>(sy / n);
    return frame.elementAt(x, y) == element;
}

}  // namespace spotbench
