#include "points/window_anchors.h"

#include <algorithm>

namespace zv {

PointAnchor anchorIn(const Rect& rect, int x, int y) {
    PointAnchor a;
    const int left = x - rect.left, right = rect.left + rect.width - x;
    const int top = y - rect.top, bottom = rect.top + rect.height - y;
    a.fromRight = right < left;
    a.dx = a.fromRight ? right : left;
    a.fromBottom = bottom < top;
    a.dy = a.fromBottom ? bottom : top;
    return a;
}

std::pair<int, int> placeIn(const PointAnchor& anchor, const Rect& rect) {
    int x = anchor.fromRight ? rect.left + rect.width - anchor.dx : rect.left + anchor.dx;
    int y = anchor.fromBottom ? rect.top + rect.height - anchor.dy : rect.top + anchor.dy;
    // A window made smaller than the point's distances (or a hand-edited file) would put
    // the point beside the window, where the switch would click blindly.
    if (rect.width > 0) x = std::clamp(x, rect.left, rect.left + rect.width - 1);
    if (rect.height > 0) y = std::clamp(y, rect.top, rect.top + rect.height - 1);
    return {x, y};
}

void WindowAnchors::clear() {
    windows_.clear();
    anchors_.clear();
}

int WindowAnchors::windowIndex(const RecordedWindow& window) {
    const auto it = std::find(windows_.begin(), windows_.end(), window);
    if (it != windows_.end()) return static_cast<int>(it - windows_.begin());
    windows_.push_back(window);
    return static_cast<int>(windows_.size()) - 1;
}

void WindowAnchors::set(int index, const RecordedWindow& window, int x, int y) {
    PointAnchor anchor = anchorIn(window.rect, x, y);
    setAnchor(index, window, anchor);
}

void WindowAnchors::setAnchor(int index, const RecordedWindow& window, const PointAnchor& anchor) {
    if (index < 0 || index >= PointSet::kCapacity) return;
    if (anchors_.size() <= static_cast<size_t>(index)) anchors_.resize(static_cast<size_t>(index) + 1);
    PointAnchor a = anchor;
    a.window = windowIndex(window);
    anchors_[static_cast<size_t>(index)] = a;
}

void WindowAnchors::unset(int index) {
    if (index >= 0 && static_cast<size_t>(index) < anchors_.size()) anchors_[static_cast<size_t>(index)].reset();
}

void WindowAnchors::insert(int index) {
    if (index < 0 || static_cast<size_t>(index) >= anchors_.size()) return;
    anchors_.insert(anchors_.begin() + index, std::nullopt);
}

void WindowAnchors::erase(int index) {
    if (index < 0 || static_cast<size_t>(index) >= anchors_.size()) return;
    anchors_.erase(anchors_.begin() + index);
}

void WindowAnchors::swap(int a, int b) {
    const int larger = std::max(a, b);
    if (std::min(a, b) < 0 || larger >= PointSet::kCapacity) return;
    if (anchors_.size() <= static_cast<size_t>(larger)) anchors_.resize(static_cast<size_t>(larger) + 1);
    std::swap(anchors_[static_cast<size_t>(a)], anchors_[static_cast<size_t>(b)]);
}

std::optional<PointAnchor> WindowAnchors::anchorOf(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= anchors_.size()) return std::nullopt;
    return anchors_[static_cast<size_t>(index)];
}

bool WindowAnchors::any(int count) const {
    const size_t n = std::min(anchors_.size(), static_cast<size_t>(std::max(count, 0)));
    return std::any_of(anchors_.begin(), anchors_.begin() + static_cast<std::ptrdiff_t>(n),
                       [](const auto& a) { return a.has_value(); });
}

}  // namespace zv
