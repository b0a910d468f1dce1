// The switch during execution. The engine judges the press at the moment it was made: it
// clicks the point that was lit then, placing the pointer back on it when a step has moved
// it on since, or it enters a group, returns to the groups, or sets a waiting scan going.

#include "app/form_principal.h"
#include "platform/platform.h"

namespace zv {

void FormPrincipal::scanPress(uint32_t madeAt) {
    // Return for Tabs and Return, and a click where the pointer is with no points: nothing
    // to judge.
    if (MenuEnviarTabsYReturn.checked() || points.PointCount <= 0) {
        switchClick();
        return;
    }
    if (pressTooSoon()) return;
    const uint32_t now = platform().tickCount();
    const ScanEngine::PressResult result = scanEngine.press(madeAt, now);
    points.CurrentPoint = scanEngine.currentPoint();
    switch (result.action) {
    case ScanEngine::Action::ClickAtPointer:
        clickAtPointer();
        return;
    case ScanEngine::Action::ClickPoint:
        if (result.earlier) {
            // No step may come between the pointer's return and the click.
            TimerEscaneig.setOn(false);
            showPointAgain(result.point);
        }
        clickAtPointer();
        // The waits of the click let other handlers run: one of them may have stopped.
        if (MenuParar.enabled()) followPress(result);
        return;
    default:
        // Not a click, but a press all the same: one coming on its heels is dropped.
        NextClickTick = static_cast<int32_t>(now + static_cast<uint32_t>(ClickInterval));
        if (result.earlier) showLitGroup(scanEngine.lit());
        followPress(result);
    }
}

void FormPrincipal::followPress(const ScanEngine::PressResult& result) {
    if (!scanningAutomatically()) {
        // Directed scanning: an entered group's first point is lit at once.
        if (result.action == ScanEngine::Action::Entered) ScanStep();
        return;
    }
    if (!result.nextStepIn) return;
    const unsigned wait = *result.nextStepIn;
    if (wait == 0) {
        // At once, with a fresh period so that no tick falls inside the placement.
        TimerEscaneig.restart();
        ScanStep();
        return;
    }
    const bool wasOn = TimerEscaneig.on();
    if (TimerEscaneig.interval() != wait)
        setScanInterval(wait);
    else if (wasOn)
        TimerEscaneig.restart();
    TimerEscaneig.setOn(true);
}

}  // namespace zv
