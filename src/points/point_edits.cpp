#include "points/point_edits.h"

#include <algorithm>
#include <utility>

namespace zv {

std::vector<PointRecord> PointEdits::records() const {
    std::vector<PointRecord> out;
    const int count = std::clamp(stores_.points.PointCount, 0, PointSet::kCapacity);
    out.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        PointRecord r;
        r.at = stores_.points.Points[static_cast<size_t>(i)];
        if (const auto anchor = stores_.anchors.anchorOf(i))
            r.window = std::make_pair(stores_.anchors.window(anchor->window), *anchor);
        r.name = stores_.names.nameOf(i);
        if (const ScreenPixels* picture = stores_.pictures.of(i)) r.picture = *picture;
        out.push_back(std::move(r));
    }
    return out;
}

void PointEdits::put(const std::vector<PointRecord>& records) {
    // The windows are made again from the points that use them, in the order they first
    // use them, as the file's window lines name them.
    stores_.anchors.clear();
    stores_.names.clear();
    stores_.pictures.clear();
    for (size_t i = 0; i < records.size(); ++i) {
        const PointRecord& r = records[i];
        const int index = static_cast<int>(i);
        stores_.points.Points[i] = r.at;
        if (r.window) stores_.anchors.setAnchor(index, r.window->first, r.window->second);
        stores_.names.set(index, r.name);
        if (r.picture) stores_.pictures.set(index, *r.picture);
    }
    stores_.points.PointCount = static_cast<int32_t>(records.size());
}

void PointEdits::change(std::vector<PointRecord> after) {
    history_.push_back(records());
    if (history_.size() > static_cast<size_t>(kUndoDepth)) history_.pop_front();
    put(after);
}

PointRecord PointEdits::at(int x, int y, const std::optional<RecordedWindow>& window) {
    PointRecord r;
    r.at = {x, y};
    if (window) r.window = std::make_pair(*window, anchorIn(window->rect, x, y));
    return r;
}

bool PointEdits::remove(int index) {
    if (!exists(index)) return false;
    auto r = records();
    r.erase(r.begin() + index);
    change(std::move(r));
    return true;
}

bool PointEdits::moveUp(int index) {
    if (!exists(index) || index == 0) return false;
    auto r = records();
    std::swap(r[static_cast<size_t>(index)], r[static_cast<size_t>(index) - 1]);
    change(std::move(r));
    return true;
}

bool PointEdits::moveDown(int index) { return exists(index + 1) && index >= 0 && moveUp(index + 1); }

bool PointEdits::place(int index, int x, int y, const std::optional<RecordedWindow>& window) {
    if (!exists(index)) return false;
    auto r = records();
    PointRecord& point = r[static_cast<size_t>(index)];
    const std::string name = std::move(point.name);
    point = at(x, y, window);
    point.name = name;
    change(std::move(r));
    return true;
}

bool PointEdits::insertAfter(int index, int x, int y, const std::optional<RecordedWindow>& window) {
    if (index < -1 || index >= stores_.points.PointCount || stores_.points.PointCount >= PointSet::kCapacity) return false;
    auto r = records();
    r.insert(r.begin() + (index + 1), at(x, y, window));
    change(std::move(r));
    return true;
}

bool PointEdits::rename(int index, const std::string& name) {
    if (!exists(index) || stores_.names.nameOf(index) == name) return false;
    auto r = records();
    r[static_cast<size_t>(index)].name = name;
    change(std::move(r));
    return true;
}

bool PointEdits::undo() {
    if (history_.empty()) return false;
    put(history_.back());
    history_.pop_back();
    return true;
}

}  // namespace zv
