#include "points/point_edits.h"

#include <utility>

namespace zv {

void PointEdits::remember() {
    Snapshot s;
    s.count = points_.PointCount;
    s.points.assign(points_.Points.begin(), points_.Points.begin() + points_.PointCount);
    s.anchors = anchors_;
    history_.push_back(std::move(s));
    if (history_.size() > static_cast<size_t>(kUndoDepth)) history_.pop_front();
}

void PointEdits::setAnchor(int index, int x, int y, const std::optional<RecordedWindow>& window) {
    if (window)
        anchors_.set(index, *window, x, y);
    else
        anchors_.unset(index);
}

bool PointEdits::remove(int index) {
    if (!exists(index)) return false;
    remember();
    auto& p = points_.Points;
    for (int i = index; i + 1 < points_.PointCount; ++i) p[static_cast<size_t>(i)] = p[static_cast<size_t>(i) + 1];
    anchors_.erase(index);
    --points_.PointCount;
    return true;
}

bool PointEdits::moveUp(int index) {
    if (!exists(index) || index == 0) return false;
    remember();
    std::swap(points_.Points[static_cast<size_t>(index)], points_.Points[static_cast<size_t>(index) - 1]);
    anchors_.swap(index, index - 1);
    return true;
}

bool PointEdits::moveDown(int index) { return exists(index + 1) && index >= 0 && moveUp(index + 1); }

bool PointEdits::place(int index, int x, int y, const std::optional<RecordedWindow>& window) {
    if (!exists(index)) return false;
    remember();
    points_.Points[static_cast<size_t>(index)] = {x, y};
    setAnchor(index, x, y, window);
    return true;
}

bool PointEdits::insertAfter(int index, int x, int y, const std::optional<RecordedWindow>& window) {
    if (index < -1 || index >= points_.PointCount || points_.PointCount >= PointSet::kCapacity) return false;
    remember();
    const int at = index + 1;
    auto& p = points_.Points;
    for (int i = points_.PointCount; i > at; --i) p[static_cast<size_t>(i)] = p[static_cast<size_t>(i) - 1];
    p[static_cast<size_t>(at)] = {x, y};
    anchors_.insert(at);
    ++points_.PointCount;
    setAnchor(at, x, y, window);
    return true;
}

bool PointEdits::undo() {
    if (history_.empty()) return false;
    Snapshot& s = history_.back();
    std::copy(s.points.begin(), s.points.end(), points_.Points.begin());
    points_.PointCount = s.count;
    anchors_ = std::move(s.anchors);
    history_.pop_back();
    return true;
}

}  // namespace zv
