// The hook event dispatcher: every 100 ms it reads what the hook library reported and
// turns it into a stop, a step, a jump, a click or a recorded point.

#include "app/form_principal.h"
#include "hook/mailbox.h"
#include "platform/numbers.h"
#include "platform/platform.h"

namespace zv {

namespace {
constexpr int kTab = 9, kReturn = 13, kSpace = 32, kRight = 39, kNumpadAdd = 107;
}

void FormPrincipal::stopRecordingAndOfferSave() {
    TimerMouseHook.setOn(false);
    MenuPararGrabacionClick();
    if (MenuEnEjecucinBuscarFicheroDeBarrido.checked()) {
        bringToFront();
        MenuGuardarClick();
    }
}

void FormPrincipal::TimerMouseHookTimer() {
    // Stage 1: the stop keys.
    const std::string stopKey = mailbox::readKeyboard();
    if (stopKey == "32" || stopKey == "18") {
        if (mode == Mode::Recording) {
            stopRecordingAndOfferSave();
        } else if (mode == Mode::Executing) {
            TimerMouseHook.setOn(false);
            MenuPararClick();
        }
    }

    // Stage 2: the switch value and keyboard access.
    std::string switchValue = mailbox::readClick();
    if (switchValue == "1") SkipNextReport = false;
    mailbox::writeClick("0");
    if (switchValue == "0" && MenuAccederAPosicionesPorTeclado.checked() && mode == Mode::Executing) {
        const std::string keyText = mailbox::readKeyboard();
        mailbox::resetKeyboard();
        const int32_t k = strToInt(keyText);
        auto jump = [&](int32_t n) {
            if (n >= points.PointCount) return;
            points.CurrentPoint = n;
            ScanStep();
            if (MenuClicAutomticoAlAccederPorTeclado.checked()) switchValue = "1";
        };
        if (k >= '0' && k <= '9') {
            jump(k - 48);
        } else if (k >= 'A' && k <= 'Z') {
            jump(k - 55);
        } else if (k == kReturn) {
            switchValue = "1";
        } else if (k == kTab || k == kRight || k == kNumpadAdd) {
            // The hook libraries report each press once, so every report makes a step.
            if (!MenuEnviarTabsYReturn.checked()) ScanStep();
        } else if (k == kSpace) {
            MenuPararClick();
        }
    }

    // Stage 3: the switch action.
    // While a line sweeps, the switch fixes it; the point it chooses is then recorded or
    // clicked as a press at the pointer would be.
    if (switchValue == "1" && (mode == Mode::Recording || mode == Mode::Executing) && pointSweep) {
        pointScanningPress();
    } else if (switchValue == "1" && mode == Mode::Recording) {
        recordSwitchPress();
    } else if (switchValue == "1" && mode == Mode::Executing) {
        switchClick();
    } else if (switchValue == "2" && mode == Mode::Recording) {
        stopRecordingAndOfferSave();
    } else if (switchValue == "2" && mode == Mode::Executing) {
        // With no points a directed step has nowhere to go: the right button stops a sweep.
        if (MenuBarridoDirigido.checked() && !pointSweep) {
            ScanStep();
        } else {
            TimerMouseHook.setOn(false);
            MenuPararClick();
        }
    }
}

}  // namespace zv
