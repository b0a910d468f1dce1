#include "record/form_screen.h"

#include "app/form_principal.h"
#include "platform/platform.h"

namespace zv {

FormScreen::FormScreen(Application& app, FormPrincipal& principal)
    : Form(app, "FormScreen"), Imatge(this, "Imatge"), principal_(principal) {
    setCaption("FormScreen");
    border = BorderStyle::None;
    maximised = true;
    minimizeBox = maximizeBox = false;
    Imatge.onMouseDown = [this](MouseButton b, int, int) { ImatgeMouseDown(b); };
}

void FormScreen::ImatgeMouseDown(MouseButton button) {
    if (button == MouseButton::Right) {
        stoppedByUser = true;
        principal_.MenuPararGrabacionClick();
        if (principal_.MenuEnEjecucinBuscarFicheroDeBarrido.checked()) {
            principal_.bringToFront();
            principal_.MenuGuardarClick();
        }
        // The snapshot stays on the screen until now, so the save dialog opened above it.
        close();
    } else if (button == MouseButton::Left) {
        principal_.appendPointerPosition();
    }
}

}  // namespace zv
