// Recording: the user's clicks in the target application become the point set, through
// the hooks or on a full-screen snapshot.

#include "app/form_principal.h"
#include "app/title.h"
#include "platform/platform.h"
#include "record/form_screen.h"
#include "scan/synthesis.h"
#include "widgets/application.h"

namespace zv {

namespace {
std::string recordedCount(int32_t count) { return std::to_string(count) + (count == 1 ? " punto" : " puntos"); }
}  // namespace

void FormPrincipal::appendPointerPosition() {
    const ScreenPoint at = platform().cursorPos();
    if (points.append(at.x, at.y)) {
        noteWindowOfPoint(points.PointCount - 1, at.x, at.y);
        noteRecordedTitle(at.x, at.y);
        keepRecording();
        askNameOfPoint(points.PointCount - 1, at.x, at.y);
        takeSpotPicture(points.PointCount - 1, at.x, at.y);
    }
    // The carer sees the count grow with each click, in the toolbar's title.
    if (MenuPararGrabacion.enabled()) noteInTitle(recordedCount(points.PointCount));
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

void FormPrincipal::MenuGrabarClick() { startRecording(false); }

// Recording by sweeps is for a switch user who records alone: the presses choose the
// points, as point scanning chooses them in execution. It needs the hooks, whatever the
// "Windows Vista" option says.
void FormPrincipal::menuRecordByPointScanningClick() { startRecording(true); }

void FormPrincipal::listenToRecordingHooks() {
    resetMailbox();
    platform().hooks().SetHookKeyboard();
    TimerMouseHook.setOn(true);
    HookInstalled = true;
}

void FormPrincipal::startRecording(bool bySweeps) {
    enableStarts(false);
    MenuPararGrabacion.setEnabled(true);

    points.PointCount = 0;
    anchors.clear();
    recordedTitle.clear();
    dropRecording();
    names.clear();
    namesGivenInEditor = false;
    forgetNameRequests();
    if (menuSayEachPointsName.checked()) platform().readyAccessibility();
    noteInTitle(recordedCount(0));
    pictures.clear();

    if (MenuWindowsVista.checked() && !bySweeps) {
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
    listenToRecordingHooks();
    if (bySweeps) {
        // The user records alone: presses are gated from here as in execution.
        NextClickTick = static_cast<int32_t>(platform().tickCount());
        beginPointScanning();
    }
}

void FormPrincipal::MenuPararGrabacionClick() {
    dropRecording();
    endPointScanning();
    platform().hooks().UnHookHook();
    // A press the hook caught before it went is no point of this recording any more, nor a
    // click of the next run.
    hookMailbox.discard(platform().hooks());
    HookInstalled = false;
    // Look-ups are answered one after the other: on a busy desktop the last clicks' may
    // still be under way, and they go on while the save dialog is open.
    awaitNamesOfPoints();
    enableStarts(true);
    MenuPararGrabacion.setEnabled(false);
    titleBeforeNote.reset();
    setCaption(kPlainTitle);
    if (settingsNotice) app().afterHandlers([this] { tellSettingsNotice(); });
}

}  // namespace zv
