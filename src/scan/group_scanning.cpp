// The order of scanning as the toolbar drives it: the engine chooses what each step lights,
// the toolbar places the pointer on a lit point or frames a lit group, and the scan timer
// follows how long the engine keeps each item lit.

#include <algorithm>

#include "app/form_principal.h"
#include "feedback/form_transparent.h"
#include "feedback/group_frame.h"
#include "platform/platform.h"
#include "scan/row_grouping.h"
#include "scan/scan_timing_dialog.h"

namespace zv {

std::vector<std::vector<int>> FormPrincipal::groupsWherePointsStand() {
    std::vector<std::pair<int, int>> places;
    for (int32_t i = 0; i < points.PointCount; ++i) places.push_back(placedPoint(i));
    return RowGrouping{}.groups(places);
}

void FormPrincipal::startScanEngine() {
    // Tabs and Return has no points to group, and the "Windows Vista" variant clicks
    // through its own window, never through a judged press.
    scanInGroups = menuGroupScanning.checked() && !MenuEnviarTabsYReturn.checked() && !vistaVariant();
    ScanTiming timing;
    timing.stepMs = paceBeforeTiming.value_or(TimerEscaneig.interval());
    // The stay and the wait belong to the scan timer: directed scanning moves at the user's
    // pace, so never waits for a user who is there.
    if (scanningAutomatically() && scanTimingDialog) {
        timing.firstItemExtraMs = scanTimingDialog->firstItemPauseMs();
        timing.roundsBeforeWait = scanTimingDialog->roundsBeforeWait();
    }
    if (EsperarIntervaloDetiempoEntre2Clics.checked()) timing.leadMs = static_cast<uint32_t>(std::max(0, ClickInterval));
    scanEngine.start(points.PointCount, platform().tickCount(), timing,
                     scanInGroups ? groupsWherePointsStand() : ScanEngine::Groups{});
    hideGroupFrame();
}

void FormPrincipal::choosePoint(int32_t index) {
    points.CurrentPoint = index;
    scanEngine.jumpTo(index);
}

ScanEngine::Lit FormPrincipal::stepScanEngine() {
    // The point set changed under a running scan: the engine takes it up where the
    // current point stands.
    if (scanEngine.pointCount() != points.PointCount) {
        const int32_t current = points.CurrentPoint;
        startScanEngine();
        if (points.PointCount > 0) choosePoint(((current % points.PointCount) + points.PointCount) % points.PointCount);
    }
    // Windows may have moved the points since the last round: the groups are formed again
    // where the points stand now, between rounds only.
    if (scanInGroups && scanEngine.beginsRound()) scanEngine.setGroups(groupsWherePointsStand());
    const ScanEngine::Lit lit = scanEngine.step(platform().tickCount());
    // Only the scan timer's steps have a stay to follow.
    if (TimerEscaneig.on()) {
        if (scanEngine.waiting())
            TimerEscaneig.setOn(false);
        else
            setScanInterval(scanEngine.stayMs());
    }
    return lit;
}

void FormPrincipal::setScanInterval(unsigned ms) {
    if (TimerEscaneig.interval() == ms) return;
    if (!paceBeforeTiming) paceBeforeTiming = TimerEscaneig.interval();
    TimerEscaneig.setInterval(ms);
}

void FormPrincipal::restorePace() {
    if (!paceBeforeTiming) return;
    TimerEscaneig.setInterval(*paceBeforeTiming);
    paceBeforeTiming.reset();
}

void FormPrincipal::showLitGroup(const ScanEngine::Lit& lit) {
    std::vector<std::pair<int, int>> places;
    for (int p : lit.points) places.push_back(placedPoint(p));
    // The tracking frame would mark where the pointer was left, which a press on a group
    // does not click.
    if (MenuActivarQuadroSeguimientoMouse.checked()) formTransparent->hide();
    groupFrame->frameRound(places, static_cast<uint32_t>(formTransparent->ColorQuadre));
}

void FormPrincipal::hideGroupFrame() {
    if (groupFrame) groupFrame->hide();
}

}  // namespace zv
