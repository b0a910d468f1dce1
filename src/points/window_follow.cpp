// Points that follow their window: each recorded point notes the window it was clicked in,
// and scanning places it by its distance from that window's edges wherever the window
// stands now. With the option off, points are screen positions as they always were.

#include <algorithm>

#include "app/form_principal.h"
#include "platform/platform.h"
#include "points/window_lookup.h"
#include "widgets/application.h"

namespace zv {

bool FormPrincipal::ownWindow(WindowId w) const {
    for (const Form* form : app().forms())
        if (form->windowId() == w) return true;
    return false;
}

void FormPrincipal::noteWindowOfPoint(int index, int x, int y) {
    // A point recorded with the option off is a screen position: it must not inherit the
    // window of a point that stood at its index before.
    anchors.unset(index);
    if (const auto window = windowToNote(x, y)) anchors.set(index, *window, x, y);
}

std::optional<RecordedWindow> FormPrincipal::windowToNote(int x, int y) {
    if (!menuPointsFollowTheirWindow.checked()) return std::nullopt;
    return windowAt(platform(), x, y, [this](WindowId w) { return ownWindow(w); });
}

std::pair<int, int> FormPrincipal::placedPoint(int index) {
    placedOffFront = false;
    const auto recorded = points.Points.at(static_cast<size_t>(index));
    if (!menuPointsFollowTheirWindow.checked()) return recorded;
    const auto anchor = anchors.anchorOf(index);
    if (!anchor) return recorded;
    const auto found =
        findWindow(platform(), anchors.window(anchor->window), [this](WindowId w) { return ownWindow(w); });
    // A point belongs to its window: with another window in front, or its own closed, a
    // click there would land in whatever shows there now. While one of the program's own
    // windows is in front (the pointer catcher takes the keys), the check of the spot
    // decides alone.
    const WindowId front = platform().foregroundWindow();
    placedOffFront = !ownWindow(front) && (!found || found->id != front);
    // A window closed or minimised since: the point as it was recorded.
    if (!found) return recorded;
    auto [x, y] = placeIn(*anchor, found->rect);
    const ScreenPixels* picture = pictures.of(index);
    if (!picture || placedOffFront || !menuCheckPointBeforeClick.checked()) return {x, y};
    // What the point was recorded on may have moved within its window (a resize that
    // stretched the buttons): it is looked for round the place its edges give.
    const Rect window = found->rect;
    return relocate(spotMatcher, *picture, window, x, y,
                    [this, window](const Rect& area) { return applicationPixels(area, window); });
}

bool FormPrincipal::pointsForFrontWindow() {
    if (!menuPointsFollowTheirWindow.checked() || points.PointCount <= 0) return true;
    const WindowId front = platform().foregroundWindow();
    if (ownWindow(front)) return true;
    std::vector<int> looked;
    for (int i = 0; i < points.PointCount; ++i) {
        const auto anchor = anchors.anchorOf(i);
        if (!anchor) return true;
        if (std::find(looked.begin(), looked.end(), anchor->window) != looked.end()) continue;
        looked.push_back(anchor->window);
        const auto found =
            findWindow(platform(), anchors.window(anchor->window), [this](WindowId w) { return ownWindow(w); });
        if (found && found->id == front) return true;
    }
    return false;
}

std::pair<int, int> FormPrincipal::lastPlacedPoint(int index) const {
    if (menuPointsFollowTheirWindow.checked() && lastPlaced) return *lastPlaced;
    return points.Points.at(static_cast<size_t>(index));
}

}  // namespace zv
