// The hook event dispatcher: every 100 ms it reads what the hook library reported and
// turns it into a stop, a step, a jump, a click or a recorded point.

#include "app/form_principal.h"
#include "hook/mailbox.h"
#include "platform/numbers.h"
#include "platform/platform.h"
#include "platform/virtual_keys.h"

namespace zv {

void FormPrincipal::stopRecordingAndOfferSave() {
    TimerMouseHook.setOn(false);
    MenuPararGrabacionClick();
    if (MenuEnEjecucinBuscarFicheroDeBarrido.checked()) {
        bringToFront();
        MenuGuardarClick();
    }
}

void FormPrincipal::TimerMouseHookTimer() {
    // A place for the point editor is awaited: the reports are the carer's, not a recording's.
    if (clickPick) {
        clickPickTick();
        return;
    }

    // Stage 1: the stop keys.
    const std::string stopKey = mailbox::readKeyboard();
    if (stopKey == vk::text(vk::Space) || stopKey == vk::text(vk::Alt)) {
        if (mode == Mode::Recording) {
            stopRecordingAndOfferSave();
        } else if (mode == Mode::Executing) {
            TimerMouseHook.setOn(false);
            MenuPararClick();
        }
    }

    // Stage 2: the switch value and keyboard access.
    std::string switchValue = mailbox::takeClick(platform().hooks());
    if (switchValue == "1") SkipNextReport = false;
    if (switchValue == "0" && MenuAccederAPosicionesPorTeclado.checked() && mode == Mode::Executing) {
        const std::string keyText = mailbox::takeKeyboard(platform().hooks());
        const int32_t k = strToInt(keyText);
        auto jump = [&](int32_t n) {
            if (n >= points.PointCount) return;
            points.CurrentPoint = n;
            ScanStep();
            if (MenuClicAutomticoAlAccederPorTeclado.checked()) switchValue = "1";
        };
        if (k >= vk::Digit0 && k <= vk::Digit9) {
            jump(k - vk::Digit0);
        } else if (k >= vk::LetterA && k <= vk::LetterZ) {
            jump(k - vk::LetterA + 10);
        } else if (k == vk::Return) {
            switchValue = "1";
        } else if (k == vk::Tab || k == vk::Right || k == vk::NumpadAdd) {
            // The hook libraries report each press once, so every report makes a step.
            if (!MenuEnviarTabsYReturn.checked()) ScanStep();
        } else if (k == vk::Space) {
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
