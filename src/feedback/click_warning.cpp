// What the user sees of a point that is not clicked: the frame, red, round it; and of a
// click refused because its spot changed: the frame red round the pointer for a moment,
// blinking once, with the beep twice, and, where the program says the points' names, why
// in words. Without the tracking frame on, the frame shows only for these.

#include "app/form_principal.h"
#include "feedback/form_transparent.h"
#include "lang/spoken_texts.h"
#include "platform/platform.h"

namespace zv {

namespace {
// The system's sound for a stop (MB_ICONHAND), apart from the plain beep of each step.
constexpr unsigned kWarningBeep = 0x10;
// Steps of the warning's timer: shown, hidden, shown again with the second beep, held.
constexpr int kHiddenStep = 2, kSecondBeepStep = 3, kLastStep = 6;
}  // namespace

void FormPrincipal::showFrameAt(int x, int y, bool warning) {
    // A warning under way keeps the frame red until it ends.
    if (clickWarningStep == 0) formTransparent->showWarning(warning);
    if (warning || MenuActivarQuadroSeguimientoMouse.checked() || clickWarningStep != 0)
        formTransparent->placeAround(x, y);
    else if (formTransparent->visible())
        formTransparent->hide();
}

void FormPrincipal::warnRefusedClick() {
    const ScreenPoint at = platform().cursorPos();
    formTransparent->showWarning(true);
    formTransparent->placeAround(at.x, at.y);
    platform().messageBeep(kWarningBeep);
    // Said over the name of the point, which the user has heard already.
    if (sayingNames()) speech.say(lang::refusedClickText(static_cast<lang::Language>(activeLanguage())));
    clickWarningStep = 1;
    clickWarningTimer.setOn(true);
}

void FormPrincipal::clickWarningTick() {
    ++clickWarningStep;
    if (clickWarningStep == kHiddenStep) {
        formTransparent->hide();
    } else if (clickWarningStep == kSecondBeepStep) {
        formTransparent->show();
        formTransparent->placeTopmost();
        platform().messageBeep(kWarningBeep);
    } else if (clickWarningStep >= kLastStep) {
        clickWarningTimer.setOn(false);
        clickWarningStep = 0;
        // Back to what the frame shows for the point where the pointer stands.
        formTransparent->showWarning(placedOffFront);
        if (!placedOffFront && !MenuActivarQuadroSeguimientoMouse.checked()) formTransparent->hide();
    }
}

}  // namespace zv
