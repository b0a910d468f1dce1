#pragma once
// Groups of points for group scanning, by where the points stand on the screen: points at
// about the same height form a row, rows from top to bottom, the points of a row from left to
// right. Rows far longer than the others are cut into parts, and rows of a few points are put
// together with the rows below them, so that groups hold about the square root of the number
// of points: a selection then costs about as many steps among the groups as within one.
// Knows no window: the toolbar hands it the places of the points, and so does the benchmark.

#include <utility>
#include <vector>

namespace zv {

struct GroupingTuning {
    // A point belongs to the row begun by the highest point not more than this many pixels
    // above it.
    int rowTolerance = 16;
    // Up to this many points are one group: scanned one by one, as without groups.
    int singleGroupUpTo = 6;
};

class RowGrouping {
public:
    explicit RowGrouping(GroupingTuning tuning = {}) : tuning_(tuning) {}

    // The indices of `places` in groups, in scanning order; every index once. One group when
    // there are few points.
    std::vector<std::vector<int>> groups(const std::vector<std::pair<int, int>>& places) const;

    // The points of a group that a row of this length is cut into, and the most points that
    // rows put together may hold: about the square root of the count.
    static int targetSize(int pointCount);

private:
    std::vector<std::vector<int>> rows(const std::vector<std::pair<int, int>>& places) const;

    GroupingTuning tuning_;
};

}  // namespace zv
