// Points that follow their window: each recorded point notes the window it was clicked in,
// and scanning places it by its distance from that window's edges wherever the window
// stands now. With the option off, points are screen positions as they always were.

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
    if (!MenuPuntosSiguenASuVentana.checked()) return std::nullopt;
    return windowAt(platform(), x, y, [this](WindowId w) { return ownWindow(w); });
}

std::pair<int, int> FormPrincipal::placedPoint(int index) {
    const auto recorded = points.Points.at(static_cast<size_t>(index));
    if (!MenuPuntosSiguenASuVentana.checked()) return recorded;
    const auto anchor = anchors.anchorOf(index);
    if (!anchor) return recorded;
    // A window closed or minimised since: the point as it was recorded.
    const auto rect =
        findWindow(platform(), anchors.window(anchor->window), [this](WindowId w) { return ownWindow(w); });
    return rect ? placeIn(*anchor, *rect) : recorded;
}

std::pair<int, int> FormPrincipal::lastPlacedPoint(int index) const {
    if (MenuPuntosSiguenASuVentana.checked() && lastPlaced) return *lastPlaced;
    return points.Points.at(static_cast<size_t>(index));
}

}  // namespace zv
