#pragma once
// The carer's changes to a point set, each one undoable: delete a point, move it up or
// down in the scan order, place it somewhere else, add one after another, rename it. It
// knows no form and no platform: the editor window drives it, and tests drive it directly.
//
// Every change is made on the points as whole records (PointRecord): a point moves, goes or
// comes back with everything kept of it, and undo restores the records as they were. Data
// kept per point in a store of its own (its window, its name; a picture of its spot, say)
// is one more field of PointRecord and one more line in PointEdits::records() and
// PointEdits::put(), and travels through every change with nothing else to write.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "points/point_names.h"
#include "points/point_set.h"
#include "points/spot_pictures.h"
#include "points/window_anchors.h"

namespace zv {

// Everything kept of one point.
struct PointRecord {
    std::pair<int32_t, int32_t> at;
    // The window it follows, and its place in it; none for a screen position.
    std::optional<std::pair<RecordedWindow, PointAnchor>> window;
    std::string name;   // UTF-8; empty for none
    // The picture of its spot for the check before the click; none when it has none.
    std::optional<ScreenPixels> picture;
    bool operator==(const PointRecord&) const = default;
};

// The stores of a point set, each by point index.
struct PointStores {
    PointSet& points;
    WindowAnchors& anchors;
    PointNames& names;
    SpotPictures& pictures;
};

class PointEdits {
public:
    static constexpr int kUndoDepth = 20;

    // The stores are edited where they are, so that scanning and saving see every change
    // at once.
    explicit PointEdits(PointStores stores) : stores_(stores) {}

    // Each answers whether it changed anything; a change that cannot be made (a point
    // that does not exist, the first point moved up, a full set, a name as it was) leaves
    // everything as it was and is not remembered.
    bool remove(int index);
    bool moveUp(int index);
    bool moveDown(int index);
    // The point goes to (x, y); it belongs to `window` when one is given, to no window
    // otherwise. Its name stays; the picture of its old spot goes.
    bool place(int index, int x, int y, const std::optional<RecordedWindow>& window);
    // A new point at (x, y) right after `index` (-1: before the first), without a name.
    bool insertAfter(int index, int x, int y, const std::optional<RecordedWindow>& window);
    // The point is called `name` (UTF-8); an empty name takes its name away.
    bool rename(int index, const std::string& name);

    // Takes back the last change, as far back as kUndoDepth changes.
    bool undo();
    bool canUndo() const { return !history_.empty(); }
    // Forgets every change: the set was replaced by other means.
    void forget() { history_.clear(); }

    // The points as they are now, in scan order.
    std::vector<PointRecord> records() const;

private:
    bool exists(int index) const { return index >= 0 && index < stores_.points.PointCount; }
    // Makes `after` the set, remembering the set as it was for undo.
    void change(std::vector<PointRecord> after);
    // Writes the records into the stores, in place of what they held.
    void put(const std::vector<PointRecord>& records);
    static PointRecord at(int x, int y, const std::optional<RecordedWindow>& window);

    PointStores stores_;
    std::deque<std::vector<PointRecord>> history_;
};

}  // namespace zv
