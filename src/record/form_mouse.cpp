#include "record/form_mouse.h"

#include "platform/virtual_keys.h"

#include "app/form_principal.h"
#include "platform/platform.h"
#include "scan/synthesis.h"
#include "widgets/application.h"

namespace zv {

FormMouse::FormMouse(Application& app, FormPrincipal& principal) : Form(app, "FormMouse"), principal_(principal) {
    setCaption("FormMouse");
    border = BorderStyle::None;
    topmost = true;
    minimizeBox = maximizeBox = false;
    setBounds({0, 0, 1, 1});
    onMouseDown = [this](MouseButton b, int, int) { FormMouseDown(b); };
    onKeyUp = [this](int vk) { FormKeyUp(vk); };
}

void FormMouse::placeAt(int x, int y) {
    hide();
    setLeft(x - width() / 2);
    setTop(y - height() / 2);
    show();
}

void FormMouse::bringBothToFront() {
    principal_.bringToFront();
    bringToFront();
}

void FormMouse::FormMouseDown(MouseButton button) {
    principal_.TimerPosicioMouse.setOn(false);
    if (button == MouseButton::Right)
        principal_.ScanStep();
    else if (button == MouseButton::Left)
        ClickThrough();
    bringBothToFront();
    principal_.TimerPosicioMouse.setOn(true);
}

void FormMouse::jumpTo(int index) {
    if (index >= principal_.points.PointCount) return;
    if (!principal_.pointOnScreen(index)) return principal_.sayPointOffScreen();
    principal_.choosePoint(index);
    principal_.ScanStep();
    if (principal_.MenuClicAutomticoAlAccederPorTeclado.checked()) ClickThrough();
}

void FormMouse::FormKeyUp(int key) {
    principal_.TimerPosicioMouse.setOn(false);
    if (key == vk::Right || key == vk::Tab)
        principal_.ScanStep();
    else if (key >= vk::Digit0 && key <= vk::Digit9)
        jumpTo(key - vk::Digit0);
    else if (key >= vk::LetterA && key <= vk::LetterZ)
        jumpTo(key - vk::LetterA + 10);
    else if (key == vk::Return)
        ClickThrough();
    bringBothToFront();
    principal_.TimerPosicioMouse.setOn(true);
}

void FormMouse::ClickThrough() {
    Platform& p = app().platform();
    hide();
    const ScreenPoint at = p.cursorPos();
    principal_.SpinDelay(400);
    p.setForegroundWindow(p.windowFromPoint(at.x, at.y));
    principal_.SpinDelay(100);
    // Judged with the catcher out of the way and the window under the point in front.
    if (!principal_.spotStillThere()) {
        principal_.warnRefusedClick();
        show();
        return;
    }
    // The left button whatever the swapped-buttons option says.
    const int32_t ax = absoluteCoordinate(at.x, p.primaryScreenSize().width);
    const int32_t ay = absoluteCoordinate(at.y, p.primaryScreenSize().height);
    p.mouseEvent(mouseflags::Absolute | mouseflags::LeftDown, ax, ay);
    p.mouseEvent(mouseflags::Absolute | mouseflags::LeftUp, ax, ay);
    principal_.SpinDelay(50);
    show();
}

}  // namespace zv
