#include "points/point_list.h"

#include "platform/text.h"

namespace zv {

namespace {

struct PointView {
    int index;
    const PointRecord& point;
};

struct PointColumn {
    const char* caption;
    int width;
    std::string (*cell)(const PointView&);
};

const PointColumn kColumns[] = {
    {"N\xBA", 34, [](const PointView& p) { return std::to_string(p.index + 1); }},
    {"Nombre", 90, [](const PointView& p) { return utf8ToCp1252(p.point.name); }},
    {"X", 40, [](const PointView& p) { return std::to_string(p.point.at.first); }},
    {"Y", 40, [](const PointView& p) { return std::to_string(p.point.at.second); }},
    {"Ventana", 90, [](const PointView& p) { return p.point.window ? p.point.window->first.title : std::string(); }},
};

}  // namespace

std::vector<ListView::Column> pointListColumns() {
    std::vector<ListView::Column> out;
    for (const PointColumn& c : kColumns) out.push_back({c.caption, c.width});
    return out;
}

std::vector<ListView::Row> pointListRows(const std::vector<PointRecord>& points) {
    std::vector<ListView::Row> rows;
    for (size_t i = 0; i < points.size(); ++i) {
        const PointView view{static_cast<int>(i), points[i]};
        ListView::Row row;
        for (const PointColumn& c : kColumns) row.push_back(c.cell(view));
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace zv
