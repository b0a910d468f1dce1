#pragma once
// What the point editor's list shows of each point, column by column. The columns are
// defined here once: a column added to the table (a point's name, say) appears in the
// list with its caption and width, and nothing else has to change.

#include <string>
#include <vector>

#include "points/point_set.h"
#include "points/window_anchors.h"
#include "widgets/widget.h"

namespace zv {

// The list's columns, in order.
std::vector<ListView::Column> pointListColumns();

// One row per point of the set: its number from 1, x and y as recorded, and the title of
// its window for a point that follows one (empty otherwise).
std::vector<ListView::Row> pointListRows(const PointSet& points, const WindowAnchors& anchors);

}  // namespace zv
