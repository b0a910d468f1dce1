#include "points/point_list.h"

namespace zv {

namespace {

struct PointView {
    int index;
    std::pair<int32_t, int32_t> at;
    const RecordedWindow* window;
};

struct PointColumn {
    const char* caption;
    int width;
    std::string (*cell)(const PointView&);
};

const PointColumn kColumns[] = {
    {"N\xBA", 34, [](const PointView& p) { return std::to_string(p.index + 1); }},
    {"X", 46, [](const PointView& p) { return std::to_string(p.at.first); }},
    {"Y", 46, [](const PointView& p) { return std::to_string(p.at.second); }},
    {"Ventana", 170, [](const PointView& p) { return p.window ? p.window->title : std::string(); }},
};

}  // namespace

std::vector<ListView::Column> pointListColumns() {
    std::vector<ListView::Column> out;
    for (const PointColumn& c : kColumns) out.push_back({c.caption, c.width});
    return out;
}

std::vector<ListView::Row> pointListRows(const PointSet& points, const WindowAnchors& anchors) {
    std::vector<ListView::Row> rows;
    for (int i = 0; i < points.PointCount && i < PointSet::kCapacity; ++i) {
        const auto anchor = anchors.anchorOf(i);
        const PointView view{i, points.Points[static_cast<size_t>(i)], anchor ? &anchors.window(anchor->window) : nullptr};
        ListView::Row row;
        for (const PointColumn& c : kColumns) row.push_back(c.cell(view));
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace zv
