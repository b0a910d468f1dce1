#pragma once
// Finding the top-level windows that points belong to: the one under a point when it is
// recorded, and the same window again when the point is scanned.

#include <functional>
#include <optional>

#include "platform/platform.h"
#include "points/window_anchors.h"

namespace zv {

// Windows a lookup passes over: the program's own.
using WindowFilter = std::function<bool(WindowId)>;

// The top-level window of another program under (x, y) as it is now, with its outer
// rectangle, passing over `skip` (as windowAt does); nothing when none stands there.
std::optional<std::pair<WindowId, Rect>> topLevelAt(Platform& platform, int x, int y, const WindowFilter& skip);

// The top-level window under (x, y) as it is now, passing over `skip` (a snapshot or the
// toolbar may cover the window the user sees there); nothing when no window of another
// program stands there on the screen, or it has neither a title nor a class (the bare
// desktop).
std::optional<RecordedWindow> windowAt(Platform& platform, int x, int y, const WindowFilter& skip);
// The same window with its id, which the accessibility layer is asked about.
struct WindowAtPoint {
    WindowId id = 0;
    RecordedWindow window;
};
std::optional<WindowAtPoint> windowWithIdAt(Platform& platform, int x, int y, const WindowFilter& skip);

// Where the recorded window stands now: among the top-level windows shown on the screen
// and of its class, the first (top of the z-order first) whose title is the recorded one,
// else the first whose title contains it. Nothing when none is on the screen.
struct FoundWindow {
    WindowId id = 0;
    Rect rect;
};
std::optional<FoundWindow> findWindow(Platform& platform, const RecordedWindow& recorded, const WindowFilter& skip);

}  // namespace zv
