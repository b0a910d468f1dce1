// Starting and stopping execution, and the stop when the program becomes the active
// application.

#include "app/form_principal.h"
#include "feedback/form_transparent.h"
#include "hook/mailbox.h"
#include "platform/platform.h"
#include "points/messages.h"
#include "record/form_mouse.h"

namespace zv {

bool FormPrincipal::vistaVariant() const {
    return MenuWindowsVista.checked() && (MenuBarridoDirigido.checked() || MenuAccederAPosicionesPorTeclado.checked());
}

void FormPrincipal::MenuEjecutarClick() {
    // Alt+Tab returns to the application the user was in before the toolbar. When no
    // window of ours is in front (a restart after window matching loaded a file), that
    // application is already in front, and Alt+Tab would send the user away from it.
    if (programWindowInFront()) sendAltTab();

    if (points.PointCount <= 0) {
        if (MenuEnEjecucinBuscarFicheroDeBarrido.checked()) {
            if (auto match = MatchScanFile()) {
                LoadScanFile(*match);
                return;
            }
        }
        if (!EsperarIntervaloDetiempoEntre2Clics.checked() && !MenuEnviarTabsYReturn.checked()) {
            bringToFront();
            showInfo(messages::kNoPoints);
            return;
        }
    }

    points.CurrentPoint = 0;
    FirstStep = true;
    lastPlaced.reset();
    placedIndex.reset();
    placedOffFront = false;

    enableStarts(false);
    MenuParar.setEnabled(true);

    const bool vista = vistaVariant();
    if (!vista) {
        mode = Mode::Executing;
        platform().hooks().SetHookExecucio();
        TimerMouseHook.setOn(true);
        HookInstalled = true;
    }
    hide();
    mailbox::resetKeyboard();
    if (MenuQualsevolTecla.checked())
        platform().hooks().SetHookQualsevolTecla();
    else
        platform().hooks().SetHookKeyboard();

    if (!MenuBarridoDirigido.checked() && !MenuAccederAPosicionesPorTeclado.checked())
        TimerEscaneig.setOn(true);
    else if (MenuBarridoDirigido.checked())
        ScanStep();

    NextClickTick = static_cast<int32_t>(platform().tickCount());
    if (!pointSweep && pointScanningInExecution()) beginPointScanning();

    if (vista) {
        formMouse->bringToFront();
        TimerPosicioMouse.setOn(true);
    }
}

void FormPrincipal::MenuPararClick() {
    if (vistaVariant()) formMouse->hide();
    platform().hooks().UnHookQualsevolTecla();
    platform().hooks().UnHookKeyboard();
    platform().hooks().UnHookHook();
    mailbox::resetKeyboard();
    // The frame shows red round points that are not clicked, whether or not it is on.
    TimerClickWarning.setOn(false);
    clickWarningStep = 0;
    if (formTransparent->warning()) formTransparent->showWarning(false);
    if (MenuActivarQuadroSeguimientoMouse.checked() || formTransparent->visible()) formTransparent->hide();
    endPointScanning();
    HookInstalled = false;
    TimerEscaneig.setOn(false);
    if (ShowOnStop) show();
    ShowOnStop = true;
    MenuParar.setEnabled(false);
    enableStarts(true);
}

void FormPrincipal::ApplicationActivate() {
    if (!MenuActivarQuadroSeguimientoMouse.checked() && !MenuWindowsVista.checked()) MenuPararClick();
}

}  // namespace zv
