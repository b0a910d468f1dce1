// Point scanning: with nothing recorded, a line sweeps the screen and two pairs of
// presses choose a place, which execution clicks and recording appends to the point set.
// The switch, the stop keys and the minimum interval reach it through the dispatcher.

#include <algorithm>

#include "app/form_principal.h"
#include "feedback/form_transparent.h"
#include "feedback/sweep_line.h"
#include "platform/platform.h"

namespace zv {

bool FormPrincipal::pointScanningInExecution() {
    // Tabs and Return has no pointer to place, and the "Windows Vista" variant installs
    // no mouse hook to bring the presses. Points recorded for other windows than the one
    // in front are as good as none there.
    return menuPointScanning.checked() && !MenuEnviarTabsYReturn.checked() && !vistaVariant() &&
           (points.PointCount <= 0 || !pointsForFrontWindow());
}

void FormPrincipal::beginPointScanning() {
    const ScreenSize screen = platform().primaryScreenSize();
    // The pace spin box sets the speed, read now as every scan start reads it.
    pointSweep.emplace(screen.width, screen.height, TimerEscaneig.interval());
    pointSweep->start(platform().tickCount());
    const auto colour = static_cast<uint32_t>(formTransparent->ColorQuadre);
    verticalLine->setLineColour(colour);
    horizontalLine->setLineColour(colour);
    showSweepLines();
    pointSweepTimer.setOn(true);
}

void FormPrincipal::endPointScanning() {
    if (!pointSweep) return;
    pointSweep.reset();
    pointSweepTimer.setOn(false);
    verticalLine->hide();
    horizontalLine->hide();
}

void FormPrincipal::showSweepLines() {
    const ScreenSize screen = platform().primaryScreenSize();
    const PointSweep& sweep = *pointSweep;
    if (sweep.axis() == PointSweep::Axis::X) {
        horizontalLine->hide();
        verticalLine->placeAt(sweep.position(), screen.width, screen.height);
        return;
    }
    // The column already fixed stays in sight: where the two lines cross is the place
    // that the next press chooses.
    verticalLine->placeAt(sweep.fixedX(), screen.width, screen.height);
    horizontalLine->placeAt(sweep.position(), screen.width, screen.height);
}

void FormPrincipal::pointSweepTick() {
    if (!pointSweep) {
        pointSweepTimer.setOn(false);
        return;
    }
    pointSweep->advanceTo(platform().tickCount());
    showSweepLines();
    // Unattended, the line stops where the next press will set it going again.
    if (pointSweep->paused()) pointSweepTimer.setOn(false);
}

void FormPrincipal::pointScanningPress() {
    // A press too close to the one before (a tremor, a bouncing switch) is dropped like
    // every switch press, so that it cannot fix the next line where it happens to stand.
    if (pressTooSoon()) return;
    const uint32_t now = platform().tickCount();
    // The next sweep waits out the minimum interval at its start, so that no stretch of it
    // passes while a press would be dropped.
    const auto lead = static_cast<uint32_t>(std::max(0, ClickInterval));
    const PointSweep::Press outcome = pointSweep->press(now, lead);
    if (outcome != PointSweep::Press::Chosen) {
        NextClickTick = static_cast<int32_t>(now + static_cast<uint32_t>(ClickInterval));
        showSweepLines();
        pointSweepTimer.setOn(!pointSweep->paused());
        return;
    }

    // The lines stay crossed on the point while the pointer goes there and the press
    // acts; the mouse passes through them.
    pointSweepTimer.setOn(false);
    const int x = pointSweep->chosenX(), y = pointSweep->chosenY();
    TimerMouseHook.setOn(false);
    placePointer(x, y);
    TimerMouseHook.setOn(true);
    // The place is the user's own choice, on what the screen shows now: no point's picture
    // or window applies to it.
    placedIndex.reset();
    placedOffFront = false;
    if (mode == Mode::Recording) {
        recordSwitchPress();
        NextClickTick = static_cast<int32_t>(platform().tickCount() + static_cast<uint32_t>(ClickInterval));
    } else {
        switchClick();
    }
    // The waits of the placement and the click let other handlers run: one of them may
    // have stopped scanning meanwhile.
    if (!pointSweep) return;
    pointSweep->start(platform().tickCount() + lead);
    showSweepLines();
    pointSweepTimer.setOn(true);
}

}  // namespace zv
