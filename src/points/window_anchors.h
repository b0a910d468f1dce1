#pragma once
// Where each recorded point stands in the top-level window it was recorded in. A screen
// position alone lands beside its button once the window has moved; the distances from
// the window's nearer edges still find it, in a window moved, resized or opened elsewhere.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "points/point_set.h"
#include "widgets/widget.h"

namespace zv {

// A top-level window as it was when a point was recorded in it.
struct RecordedWindow {
    std::string title;
    std::string className;
    Rect rect;   // outer rectangle, screen pixels
    bool operator==(const RecordedWindow&) const = default;
};

// A point's place in its window: its distance inward from the nearer vertical edge (left
// or right) and from the nearer horizontal edge (top or bottom). The right and bottom
// edges are the first column and row past the window, so a point in its last column is 1
// from the right edge.
struct PointAnchor {
    int window = 0;   // index into WindowAnchors::windows()
    bool fromRight = false;
    bool fromBottom = false;
    int dx = 0;
    int dy = 0;
    bool operator==(const PointAnchor&) const = default;
};

// The anchor of a point at (x, y) of a window with this outer rectangle, by the nearer
// edges; on a tie, the left and the top edge, which a resize does not move.
PointAnchor anchorIn(const Rect& rect, int x, int y);

// Where the anchored point stands in a window whose outer rectangle is now `rect`: the
// same distances from the same edges, and never outside the window.
std::pair<int, int> placeIn(const PointAnchor& anchor, const Rect& rect);

// The windows of the point set and each point's anchor, by point index.
class WindowAnchors {
public:
    // No point has a window.
    void clear();
    // The point at `index`, at (x, y), was recorded in `window`.
    void set(int index, const RecordedWindow& window, int x, int y);
    // The point at `index` as read from a file: its window and its anchor as written.
    void setAnchor(int index, const RecordedWindow& window, const PointAnchor& anchor);
    // The point at `index` has no window.
    void unset(int index);
    // The points after `index` move down one place, and `index` has no window.
    void insert(int index);
    // The point at `index` goes; the points after it move up one place.
    void erase(int index);
    // The points at `a` and `b` exchange their windows.
    void swap(int a, int b);

    std::optional<PointAnchor> anchorOf(int index) const;
    const RecordedWindow& window(int i) const { return windows_.at(static_cast<size_t>(i)); }
    const std::vector<RecordedWindow>& windows() const { return windows_; }
    // Whether any of the first `count` points has a window.
    bool any(int count) const;

private:
    int windowIndex(const RecordedWindow& window);

    std::vector<RecordedWindow> windows_;
    std::vector<std::optional<PointAnchor>> anchors_;   // by point index, grown on demand
};

}  // namespace zv
