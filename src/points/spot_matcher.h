#pragma once
// Whether a point's spot still looks as it did when the point was recorded, and where in a
// neighbourhood something looks like it. A click is refused rather than made on a spot
// that changed: a window moved, resized, covered or scrolled shows another button there.
//
// Pixels are compared by luminance, colour counting a quarter, after the shift of
// luminance that most of the spot shares (a hover highlight) is taken off. On an edge the
// tolerance widens by half the edge's contrast: antialiasing that put an edge half a pixel
// away changes a pixel by no more than that. A caret (a tall upright line one or two
// pixels wide that only one picture shows) and specks of one or two pixels are passed
// over. What is left is weighed towards the centre, where the click lands, and judged
// against what the spot shows besides its background, so that a row of small letters that
// all changed counts as much as another button. Nothing here knows a window or a
// platform: the toolbar, the tests and the benchmark of perturbed windows drive it alike.

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "platform/screen_pixels.h"

namespace zv {

struct SpotVerdict {
    bool same = false;
    // The weighted share of the spot's content that differs beyond the tolerance (0 to 1).
    double difference = 1.0;
    // The weighted share of the spot that both pictures show (0 to 1).
    double seen = 0.0;
};

struct SpotTuning {
    // Largest difference of luminance (0 to 255) that is no change, away from edges.
    int tolerance = 40;
    // Largest weighted share of the spot's content (what is not its background, in either
    // picture) that may change in a spot that is still the same.
    double mostDifference = 0.05;
    // The same for a place found by a search, which must be clear.
    double mostDifferenceFound = 0.02;
    // The content is taken as at least this share of the spot, so that a speck on a plain
    // spot is not all of its content.
    double leastContent = 0.1;
    // A picture whose content is less than this share of it is too plain to tell.
    double leastDetail = 0.1;
    // Least weighted share both pictures must show for a judgement at all.
    double leastSeen = 0.25;
    // An upright line one or two pixels wide and at least this high (in pixels at the
    // spot's side of 32) that one picture shows and the other does not is a caret: the
    // strokes of letters are shorter.
    int caretHeight = 11;
    // The largest shift of luminance shared by most of the spot that is a highlight.
    int mostShift = 24;
};

class SpotMatcher {
public:
    explicit SpotMatcher(SpotTuning tuning = {}) : tuning_(tuning) {}

    // Whether the picture shows enough besides its background to be told from a plain
    // surface of that colour: on a blank field a spot of the usual size would look alike
    // under any window of that colour, and a larger one is taken.
    bool detailed(const ScreenPixels& picture) const;

    // Both pictures are squares of the same side, the point at their centre pixel.
    SpotVerdict compare(const ScreenPixels& recorded, const ScreenPixels& now) const;

    // The centre, in `area`'s pixels, of the one place of `area` that looks like
    // `recorded`; nothing when no place does, or when several far apart do (a row of
    // identical buttons): the choice would then be a guess.
    std::optional<std::pair<int, int>> find(const ScreenPixels& recorded, const ScreenPixels& area) const;

private:
    SpotTuning tuning_;
};

// The sides of a spot's square at a display scale (100 for 96 dots per inch), from the
// usual 32 pixels, scaled, to the larger ones taken round a plain spot.
std::vector<int> spotSides(int scalePercent);

// The part of the screen searched for a point whose window stands at `window` now and
// whose distances from its edges give (x, y): a neighbourhood of the window's size centred
// there, within the window, widened by half a spot all round so that a spot centred on
// its edge is seen whole.
Rect searchArea(const Rect& window, int x, int y, int side);

// Where a point with this picture stands: (x, y) when its spot still looks as recorded;
// else the one place of the window's neighbourhood that does, when there is one; else
// (x, y), where the check before the click will refuse. `read` gives the pixels of a part
// of the screen (the program's own windows unseen), nothing when it cannot be read.
using ScreenReader = std::function<std::optional<ScreenPixels>(const Rect&)>;
std::pair<int, int> relocate(const SpotMatcher& matcher, const ScreenPixels& recorded, const Rect& window, int x,
                             int y, const ScreenReader& read);

}  // namespace zv
