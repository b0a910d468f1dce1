// "Editar puntos...": the point editor opens over the set as it is, shows each point on the
// screen with a numbered marker, and keeps the toolbar from replacing or scanning the set
// while it is open. Its changes stay in the set when it closes; Guardar saves them.

#include "app/form_principal.h"
#include "feedback/form_transparent.h"
#include "feedback/point_marker.h"
#include "platform/platform.h"
#include "points/form_point_editor.h"
#include "widgets/application.h"

namespace zv {

namespace {
constexpr uint32_t kMarkerColour = 0x00FFFF;   // yellow, 0x00BBGGRR
}

void FormPrincipal::menuEditPointsClick() {
    if (!pointEditor) {
        pointEditor = std::make_unique<FormPointEditor>(app(), *this);
        app().create(*pointEditor);
    }
    // Points placed by a click are named as they are placed: the layer is readied now, so
    // that the first of them does not wait for it.
    if (menuSayEachPointsName.checked()) platform().readyAccessibility();
    // The editor renumbers points: a look-up still under way is taken now or never.
    awaitNamesOfPoints();
    forgetNameRequests();
    editingPoints = true;
    MenuNuevo.setEnabled(false);
    enableStarts(true);
    pointEditor->open();
}

void FormPrincipal::pointEditorClosed() {
    editingPoints = false;
    hidePointMarkers();
    MenuNuevo.setEnabled(true);
    enableStarts(true);
}

void FormPrincipal::showPointMarkers(int selected) {
    const int count = std::max(points.PointCount, 0);
    for (int i = 0; i < count; ++i) {
        if (static_cast<size_t>(i) >= pointMarkers.size()) {
            // Made once and kept: the program's windows live as long as the program.
            pointMarkers.push_back(std::make_unique<PointMarker>(app(), i + 1));
            app().create(*pointMarkers.back());
        }
        const auto [x, y] = placedPoint(i);
        const uint32_t colour = i == selected ? static_cast<uint32_t>(formTransparent->ColorQuadre) : kMarkerColour;
        pointMarkers[static_cast<size_t>(i)]->showAt(x, y, colour);
    }
    for (size_t i = static_cast<size_t>(count); i < pointMarkers.size(); ++i) pointMarkers[i]->hide();
}

void FormPrincipal::hidePointMarkers() {
    for (auto& marker : pointMarkers) marker->hide();
}

}  // namespace zv
