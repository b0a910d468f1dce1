#pragma once
// What a recording in progress keeps on the disk after each point, so that a crash of the
// program or of the desktop does not cost the carer the points: the scan file of the
// points so far, with the windows of the points that follow their window, and the full
// title of the recorded window, in a line of its own.

#include <optional>
#include <string>

#include "points/point_set.h"
#include "points/window_anchors.h"

namespace zv {

struct Recording {
    PointSet points;
    WindowAnchors anchors;
    std::string title;   // UTF-8
};

std::string recoveryText(const PointSet& points, const WindowAnchors& anchors, const std::string& title);

// The recording the text holds; nothing when it holds no point that reads back.
std::optional<Recording> readRecovery(const std::string& text);

}  // namespace zv
