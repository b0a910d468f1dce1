// The hook event dispatcher: every 100 ms it reads what the hook library reported and
// turns it into a stop, a step, a jump, a click or a recorded point.

#include <optional>

#include "app/form_principal.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "hook/mailbox.h"
#include "platform/mailbox_keys.h"
#include "platform/numbers.h"
#include "platform/platform.h"
#include "platform/virtual_keys.h"
#include "widgets/application.h"

namespace zv {

namespace {
// The switch value, as "CLIC" holds it.
using mailbox_keys::ClickValue;
constexpr const char* kNoPress = mailbox_keys::clickText(ClickValue::NoPress);
constexpr const char* kSwitch = mailbox_keys::clickText(ClickValue::Switch);
constexpr const char* kRightButton = mailbox_keys::clickText(ClickValue::RightButton);
}  // namespace

void FormPrincipal::stopRecordingAndOfferSave() {
    TimerMouseHook.setOn(false);
    MenuPararGrabacionClick();
    if (MenuEnEjecucinBuscarFicheroDeBarrido.checked()) {
        bringToFront();
        MenuGuardarClick();
    }
}

// One tick acts on the mailbox of the settings file, which other programs may write, and on
// at most one report of the hook library, which comes in memory: the report stands in its
// key ("CLIC" or "KEYBOARD") as if the library had written it there just before the tick.
// The file's keys are read and reset as ever, and nothing is counted twice: a "CLIC" that
// the file holds when the report is a press stays in the file, and a report of a key that a
// press in the file kept from the keyboard stage waits in memory, as the seed's "KEYBOARD"
// would; either is acted on by the next tick, which follows at once. A report is taken
// whole, once, so nothing needs holding the library back across a read and a reset; what
// another program writes into the file between the tick's read of a key and its reset is
// lost, as it always was.
void FormPrincipal::TimerMouseHookTimer() {
    // A place for the point editor is awaited: the reports are the carer's, not a recording's.
    if (clickPick) {
        clickPickTick();
        return;
    }

    std::optional<HookReport> report = hookMailbox.next(platform().hooks());
    const bool reportedClick = report && report->kind == HookReport::Kind::Click;
    const bool reportedKey = report && report->kind == HookReport::Kind::Key;
    pressTick = report ? report->tick : platform().tickCount();
    // The recording hook names the window a press went to, before the press is acted on.
    if (report && report->windowTitle) settings::write(keys::kSectionLibrary, keys::kWindowTitle, *report->windowTitle);

    // Stage 1: the stop keys.
    const std::string stopKey = reportedKey ? std::to_string(report->value) : mailbox::readKeyboard();
    if (stopKey == vk::text(vk::Space) || stopKey == vk::text(vk::Alt)) {
        if (mode == Mode::Recording) {
            stopRecordingAndOfferSave();
        } else if (mode == Mode::Executing) {
            TimerMouseHook.setOn(false);
            MenuPararClick();
        }
    }

    // Stage 2: the switch value and keyboard access.
    const std::string fileClick = mailbox::readClick();
    const bool fileClickWaits = reportedClick && fileClick != kNoPress;
    std::string switchValue = reportedClick ? std::to_string(report->value) : fileClick;
    std::optional<uint32_t> jumpedAt;
    if (!fileClickWaits) mailbox::resetClick();
    const bool keyboardStage = MenuAccederAPosicionesPorTeclado.checked() && mode == Mode::Executing;
    if (reportedKey && keyboardStage && switchValue != kNoPress) hookMailbox.putBack(*report);
    if (switchValue == kNoPress && keyboardStage) {
        const std::string keyText = reportedKey ? std::to_string(report->value) : mailbox::takeKeyboard();
        const int32_t k = strToInt(keyText);
        auto jump = [&](int32_t n) {
            if (n >= points.PointCount) return;
            // A jump to a point off every screen goes nowhere, and clicks nothing.
            if (!pointOnScreen(n)) return sayPointOffScreen();
            choosePoint(n);
            ScanStep();
            if (MenuClicAutomticoAlAccederPorTeclado.checked()) {
                switchValue = kSwitch;
                // The click is the jump's own: its moment is now, when the point is lit.
                jumpedAt = platform().tickCount();
            }
        };
        if (k >= vk::Digit0 && k <= vk::Digit9) {
            jump(k - vk::Digit0);
        } else if (k >= vk::LetterA && k <= vk::LetterZ) {
            jump(k - vk::LetterA + 10);
        } else if (k == vk::Return) {
            switchValue = kSwitch;
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
    if (switchValue == kSwitch && (mode == Mode::Recording || mode == Mode::Executing) && pointSweep) {
        pointScanningPress();
    } else if (switchValue == kSwitch && mode == Mode::Recording) {
        recordSwitchPress();
    } else if (switchValue == kSwitch && mode == Mode::Executing) {
        scanPress(jumpedAt ? *jumpedAt : pressTick);
    } else if (switchValue == kRightButton && mode == Mode::Recording) {
        stopRecordingAndOfferSave();
    } else if (switchValue == kRightButton && mode == Mode::Executing) {
        // With no points a directed step has nowhere to go: the right button stops a sweep.
        if (MenuBarridoDirigido.checked() && !pointSweep) {
            ScanStep();
        } else {
            TimerMouseHook.setOn(false);
            MenuPararClick();
        }
    }

    if (fileClickWaits || hookMailbox.waiting()) app().afterHandlers([this] { pollMailboxNow(); });
}

}  // namespace zv
