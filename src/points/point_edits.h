#pragma once
// The carer's changes to a point set, each one undoable: delete a point, move it up or
// down in the scan order, place it somewhere else, add one after another. It knows no
// form and no platform: the editor window drives it, and tests drive it directly.

#include <deque>
#include <optional>
#include <vector>

#include "points/point_set.h"
#include "points/window_anchors.h"

namespace zv {

class PointEdits {
public:
    static constexpr int kUndoDepth = 20;

    // The set and its windows are edited where they are, so that scanning and saving
    // see every change at once.
    PointEdits(PointSet& points, WindowAnchors& anchors) : points_(points), anchors_(anchors) {}

    // Each answers whether it changed anything; a change that cannot be made (a point
    // that does not exist, the first point moved up, a full set) leaves everything as it
    // was and is not remembered.
    bool remove(int index);
    bool moveUp(int index);
    bool moveDown(int index);
    // The point goes to (x, y); it belongs to `window` when one is given, to no window
    // otherwise.
    bool place(int index, int x, int y, const std::optional<RecordedWindow>& window);
    // A new point at (x, y) right after `index` (-1: before the first).
    bool insertAfter(int index, int x, int y, const std::optional<RecordedWindow>& window);

    // Takes back the last change, as far back as kUndoDepth changes.
    bool undo();
    bool canUndo() const { return !history_.empty(); }
    // Forgets every change: the set was replaced by other means.
    void forget() { history_.clear(); }

private:
    struct Snapshot {
        std::vector<std::pair<int32_t, int32_t>> points;
        WindowAnchors anchors;
        int32_t count = 0;
    };
    bool exists(int index) const { return index >= 0 && index < points_.PointCount; }
    void remember();
    void setAnchor(int index, int x, int y, const std::optional<RecordedWindow>& window);

    PointSet& points_;
    WindowAnchors& anchors_;
    std::deque<Snapshot> history_;
};

}  // namespace zv
