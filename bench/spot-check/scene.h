#pragma once
// A synthetic desktop for the benchmark of the spot check: windows with the content that
// points are recorded on (a calculator whose buttons stretch with it, a list of rows that
// scrolls), drawn with antialiased edges, a caret, and the hover highlight of the button
// under the pointer. Besides the pixels it draws which element stands at each pixel, so
// that a click can be judged right or wrong.

#include <cstdint>
#include <random>
#include <vector>

#include "platform/screen_pixels.h"

namespace spotbench {

using zv::Rect;
using zv::ScreenPixels;

enum class Kind { Calculator, List, Other };

struct SceneWindow {
    Kind kind = Kind::Calculator;
    int id = 1;
    Rect rect;               // outer rectangle, title bar included
    int scroll = 0;          // list: rows scrolled off the top
    uint32_t labelSeed = 1;  // list: the words of its rows
};

struct Look {
    // The element under the pointer shows its hover highlight.
    int hoverX = -1, hoverY = -1;
    // A caret at this screen place (upright, 1 px wide, 16 px high), or none.
    int caretX = -1, caretY = -1;
    // Where antialiased edges fall: a fraction of a pixel, 0 to 1.
    double subpixel = 0.0;
};

struct Frame {
    ScreenPixels pixels;
    // Per pixel: window id * 1000 + element (0 for the window's own background, the
    // title bar and frame), or 0 for the bare desktop.
    std::vector<int> element;
    int elementAt(int x, int y) const;
};

// Windows are drawn first to last, the last on top.
Frame draw(int width, int height, const std::vector<SceneWindow>& windows, const Look& look);

// The centre of an element of a window as drawn, for choosing points; false when it is
// not on the screen.
bool elementCentre(const Frame& frame, int element, int& x, int& y);

}  // namespace spotbench
