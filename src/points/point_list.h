#pragma once
// What the point editor's list shows of each point, column by column. The columns are
// defined here once: a column added to the table appears in the list with its caption and
// width, and nothing else has to change.

#include <string>
#include <vector>

#include "points/point_edits.h"
#include "widgets/widget.h"

namespace zv {

// The list's columns, in order.
std::vector<ListView::Column> pointListColumns();

// One row per point: its number from 1, its name (code page 1252, a question mark for a
// character the code page lacks; empty for none), x and y as recorded, and the title of its
// window for a point that follows one (empty otherwise).
std::vector<ListView::Row> pointListRows(const std::vector<PointRecord>& points);

}  // namespace zv
