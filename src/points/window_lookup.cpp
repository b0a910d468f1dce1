#include "points/window_lookup.h"

namespace zv {

namespace {
// As many characters as window matching reads of a title.
constexpr int kTitleChars = 254;
constexpr int kClassChars = 255;

bool contains(const Rect& r, int x, int y) {
    return x >= r.left && y >= r.top && x < r.left + r.width && y < r.top + r.height;
}
}  // namespace

std::optional<RecordedWindow> windowAt(Platform& platform, int x, int y, const WindowFilter& skip) {
    WindowId found = platform.windowFromPoint(x, y);
    std::optional<Rect> rect;
    if (found && !skip(found)) rect = platform.windowRect(found);
    if (!rect) {
        // One of ours is in the way: the window below it, as the z-order has it.
        for (WindowId w : platform.topLevelWindows()) {
            if (skip(w)) continue;
            rect = platform.windowRect(w);
            if (rect && contains(*rect, x, y)) {
                found = w;
                break;
            }
            rect.reset();
        }
    }
    if (!rect) return std::nullopt;
    RecordedWindow window{platform.windowText(found, kTitleChars), platform.className(found, kClassChars), *rect};
    if (window.title.empty() && window.className.empty()) return std::nullopt;
    return window;
}

std::optional<FoundWindow> findWindow(Platform& platform, const RecordedWindow& recorded, const WindowFilter& skip) {
    std::optional<FoundWindow> containing;
    for (WindowId w : platform.topLevelWindows()) {
        if (skip(w) || platform.className(w, kClassChars) != recorded.className) continue;
        const std::string title = platform.windowText(w, kTitleChars);
        const bool exact = title == recorded.title;
        // An empty recorded title is contained in every title: it stands only for itself.
        const bool within = !recorded.title.empty() && title.find(recorded.title) != std::string::npos;
        if (!exact && (containing || !within)) continue;
        const auto rect = platform.windowRect(w);
        if (!rect) continue;
        if (exact) return FoundWindow{w, *rect};
        containing = FoundWindow{w, *rect};
    }
    return containing;
}

}  // namespace zv
