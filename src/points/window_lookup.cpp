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

std::optional<std::pair<WindowId, Rect>> topLevelAt(Platform& platform, int x, int y, const WindowFilter& skip) {
    const WindowId under = platform.windowFromPoint(x, y);
    if (under && !skip(under))
        if (const auto rect = platform.windowRect(under)) return std::make_pair(under, *rect);
    // One of ours is in the way: the window below it, as the z-order has it.
    for (WindowId w : platform.topLevelWindows()) {
        if (skip(w)) continue;
        if (const auto rect = platform.windowRect(w); rect && contains(*rect, x, y)) return std::make_pair(w, *rect);
    }
    return std::nullopt;
}

std::optional<RecordedWindow> windowAt(Platform& platform, int x, int y, const WindowFilter& skip) {
    auto found = windowWithIdAt(platform, x, y, skip);
    if (!found) return std::nullopt;
    return found->window;
}

std::optional<WindowAtPoint> windowWithIdAt(Platform& platform, int x, int y, const WindowFilter& skip) {
    const auto at = topLevelAt(platform, x, y, skip);
    if (!at) return std::nullopt;
    const WindowId found = at->first;
    RecordedWindow window{platform.windowText(found, kTitleChars), platform.className(found, kClassChars), at->second};
    if (window.title.empty() && window.className.empty()) return std::nullopt;
    return WindowAtPoint{found, window};
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
