// Starting and stopping execution, and the stop when the program becomes the active
// application.

#include "app/form_principal.h"
#include "feedback/form_transparent.h"
#include "platform/platform.h"
#include "points/messages.h"
#include "record/form_mouse.h"
#include "widgets/application.h"

namespace zv {

bool FormPrincipal::scanningAutomatically() const {
    return !MenuBarridoDirigido.checked() && !MenuAccederAPosicionesPorTeclado.checked();
}

bool FormPrincipal::vistaVariant() const {
    return MenuWindowsVista.checked() && (MenuBarridoDirigido.checked() || MenuAccederAPosicionesPorTeclado.checked());
}

void FormPrincipal::MenuEjecutarClick() {
    // Alt+Tab returns to the application the user was in before the toolbar. When no
    // window of ours is in front (a restart after window matching loaded a file), that
    // application is already in front, and Alt+Tab would send the user away from it.
    // The voice is readied while the toolbar is still in front, where telling the user
    // that it cannot speak disturbs no other application.
    startSpeaking();
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
    offScreenSaid = false;
    lastPlaced.reset();
    startScanEngine();
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
    resetMailbox();
    if (MenuQualsevolTecla.checked())
        platform().hooks().SetHookQualsevolTecla();
    else
        platform().hooks().SetHookKeyboard();

    if (scanningAutomatically())
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
    // The hooks go below: a place awaited for the point editor can no longer come.
    endClickPick(std::nullopt);
    if (vistaVariant()) formMouse->hide();
    platform().hooks().UnHookQualsevolTecla();
    platform().hooks().UnHookKeyboard();
    platform().hooks().UnHookHook();
    resetMailbox();
    // The frame shows red round points that are not clicked, whether or not it is on.
    clickWarningTimer.setOn(false);
    clickWarningStep = 0;
    if (formTransparent->warning()) formTransparent->showWarning(false);
    if (MenuActivarQuadroSeguimientoMouse.checked() || formTransparent->visible()) formTransparent->hide();
    hideGroupFrame();
    endPointScanning();
    HookInstalled = false;
    TimerEscaneig.setOn(false);
    restorePace();
    speechWaitTimer.setOn(false);
    speech.stop();
    if (ShowOnStop) show();
    ShowOnStop = true;
    MenuParar.setEnabled(false);
    enableStarts(true);
    if (settingsNotice) app().afterHandlers([this] { tellSettingsNotice(); });
    // A recording whose hooks went with this stop counts no more points.
    clearTitleNote();
}

void FormPrincipal::ApplicationActivate() {
    // While a place is awaited for the point editor nothing runs to be stopped, and the
    // window manager may well hand the front to the toolbar when the editor steps aside:
    // the click is still awaited. Escape or a click on the toolbar gives it up.
    if (clickPick) return;
    if (!MenuActivarQuadroSeguimientoMouse.checked() && !MenuWindowsVista.checked()) MenuPararClick();
}

}  // namespace zv
