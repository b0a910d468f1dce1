// One scan step: the pointer goes to the current point and the next point becomes current.

#include <cstdint>
#include <limits>

#include "app/form_principal.h"
#include "feedback/form_transparent.h"
#include "platform/platform.h"
#include "record/form_mouse.h"
#include "scan/synthesis.h"

namespace zv {

namespace {
int32_t nudged(int32_t coordinate) {
    return coordinate == std::numeric_limits<int32_t>::max() ? coordinate : coordinate + 1;
}
}  // namespace

void FormPrincipal::TimerEscaneigTimer() {
    if (stepWaitsForSpeech()) return;
    timedStep();
}

void FormPrincipal::timedStep() {
    const bool beeped = MenuEnEscaneigFerSonarUnBeep.checked();
    if (beeped) platform().messageBeep(0);
    stepBeeped = beeped;
    ScanStep();
    stepBeeped = false;
}

void FormPrincipal::ScanStep() {
    if (MenuEnEjecucinBuscarFicheroDeBarrido.checked() && platform().foregroundWindow() != windowId()) {
        if (auto match = MatchScanFile()) {
            ShowOnStop = false;
            MenuPararClick();
            // A file that fails to load would leave the user with a hidden toolbar and
            // nothing running: bring the toolbar back whenever execution did not restart.
            try {
                LoadScanFile(*match);
            } catch (...) {
                if (!MenuParar.enabled()) show();
                throw;
            }
            if (!MenuParar.enabled()) show();
            return;
        }
    }

    if (MenuEnviarTabsYReturn.checked()) {
        sendStroke(vk::Tab);
        return;
    }
    if (points.PointCount <= 0) return;

    // With point scanning on, points recorded for other windows than the one in front give
    // way to the sweep, and come back with their window.
    if (menuPointScanning.checked() && menuPointsFollowTheirWindow.checked() && !vistaVariant()) {
        if (!pointsForFrontWindow()) {
            if (!pointSweep) beginPointScanning();
            return;
        }
        if (pointSweep) endPointScanning();
    }

    // A point off every screen is never placed, so never clicked: the step goes on to the
    // next item that is not such a point, and makes none when every point is one.
    ScanEngine::Lit lit = stepScanEngine();
    for (int32_t passed = 0; lit.kind == ScanEngine::Lit::Kind::Point && !pointOnScreen(lit.point()); ++passed) {
        sayPointOffScreen();
        if (passed + 1 >= points.PointCount) return;
        lit = stepScanEngine();
    }
    if (lit.kind != ScanEngine::Lit::Kind::Point) {
        // A group, or the step back to the groups: the frame goes round it and the pointer
        // stays where it is.
        placedIndex.reset();
        showLitGroup(lit);
        if (!lit.points.empty()) sayLitGroup(lit.points.front(), lit.points.back(), stepBeeped);
        points.CurrentPoint = scanEngine.currentPoint();
        return;
    }
    const int32_t index = lit.point();
    // The point where its window stands now, when points follow their window.
    const auto [x, y] = placedPoint(index);
    placedIndex = index;

    hideGroupFrame();
    if (MenuActivarQuadroSeguimientoMouse.checked() || placedOffFront || formTransparent->warning())
        showFrameAt(x, y, placedOffFront);

    TimerMouseHook.setOn(false);

    if (MenuWindowsVista.checked()) {
        if (MenuBarridoDirigido.checked() || MenuAccederAPosicionesPorTeclado.checked()) formMouse->placeAt(x, y);
        const ScreenPoint at = platform().cursorPos();
        if (FirstStep) {
            FirstStep = false;
        } else {
            // Compared with where the previous placement really left the pointer, so that
            // a keyboard jump (which chooses the point before the step) is judged fairly.
            const int32_t previous = (index + points.PointCount - 1) % points.PointCount;
            const auto expected = lastPlaced.value_or(points.Points.at(static_cast<size_t>(previous)));
            if (at.x != expected.first || at.y != expected.second) {
                MenuPararClick();
                return;
            }
        }
    }

    // Said as the pointer goes there: the voice starts while the placement waits.
    sayLitPoint(index, stepBeeped);
    placePointer(x, y);

    TimerMouseHook.setOn(true);
    points.CurrentPoint = scanEngine.currentPoint();
}

void FormPrincipal::showPointAgain(int32_t index) {
    const auto [x, y] = placedPoint(index);
    // The click that follows is checked against this point's spot and window.
    placedIndex = index;
    hideGroupFrame();
    if (MenuActivarQuadroSeguimientoMouse.checked() || placedOffFront || formTransparent->warning())
        showFrameAt(x, y, placedOffFront);
    TimerMouseHook.setOn(false);
    placePointer(x, y);
    TimerMouseHook.setOn(true);
}

// A one-pixel move down and to the right and back, so that the application under the
// pointer sees it move even when it lands where it already was.
void FormPrincipal::placePointer(int x, int y) {
    const bool wasPlacing = placingPointer;
    placingPointer = true;
    platform().setCursorPos(x, y);
    PumpDelay(10);
    // A point at the very end of the coordinate range would overflow: the nudge stays
    // on it, and the system keeps the pointer on the screen as always.
    platform().setCursorPos(nudged(x), nudged(y));
    PumpDelay(10);
    platform().setCursorPos(x, y);
    placingPointer = wasPlacing;
    lastPlaced = std::make_pair(x, y);
}

}  // namespace zv
