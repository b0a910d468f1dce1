// Recording: the user's clicks in the target application become the point set, through
// the hooks or on a full-screen snapshot.

#include "app/form_principal.h"
#include "app/title.h"
#include "hook/mailbox.h"
#include "platform/platform.h"
#include "record/form_screen.h"
#include "scan/synthesis.h"

namespace zv {

void FormPrincipal::appendPointerPosition() {
    const ScreenPoint at = platform().cursorPos();
    if (!points.append(at.x, at.y)) return;
    noteWindowOfPoint(points.PointCount - 1, at.x, at.y);
    takeSpotPicture(points.PointCount - 1, at.x, at.y);
}

// A switch press while recording: the pointer's place is the new point, and with real
// click on the application gets the click as well.
void FormPrincipal::recordSwitchPress() {
    appendPointerPosition();
    if (MenuEnGrabacinHacerClicReal.checked()) {
        TimerMouseHook.setOn(false);
        platform().hooks().UnHookHook();
        SendClick();
        PumpDelay(100);
        platform().hooks().SetHookGrabacio();
        TimerMouseHook.setOn(true);
    }
}

void FormPrincipal::MenuGrabarClick() {
    enableStarts(false);
    MenuPararGrabacion.setEnabled(true);

    points.PointCount = 0;
    anchors.clear();
    pictures.clear();

    if (MenuWindowsVista.checked()) {
        const std::string snapshot = platform().captureScreen();
        const ScreenSize screen = platform().primaryScreenSize();
        formScreen->setBounds({0, 0, screen.width, screen.height});
        formScreen->Imatge.setBounds({0, 0, screen.width, screen.height});
        formScreen->Imatge.setPicture(snapshot);
        formScreen->stoppedByUser = false;
        formScreen->showModal();
        formScreen->Imatge.setPicture("");
        platform().releaseCapture(snapshot);
        // Closing the snapshot in any other way than the right button still ends the
        // recording, so the toolbar never stays half disabled.
        if (!formScreen->stoppedByUser) MenuPararGrabacionClick();
        return;
    }

    mode = Mode::Recording;
    if (MenuEnGrabacinHacerClicReal.checked())
        platform().hooks().SetHookExecucio();
    else
        platform().hooks().SetHookGrabacio();
    sendAltTab();
    mailbox::resetKeyboard();
    platform().hooks().SetHookKeyboard();
    TimerMouseHook.setOn(true);
    HookInstalled = true;
    if (MenuBarridoDePunto.checked()) {
        // The user records alone: presses are gated from here as in execution.
        NextClickTick = static_cast<int32_t>(platform().tickCount());
        beginPointScanning();
    }
}

void FormPrincipal::MenuPararGrabacionClick() {
    endPointScanning();
    platform().hooks().UnHookHook();
    HookInstalled = false;
    enableStarts(true);
    MenuPararGrabacion.setEnabled(false);
    setCaption(kPlainTitle);
}

}  // namespace zv
