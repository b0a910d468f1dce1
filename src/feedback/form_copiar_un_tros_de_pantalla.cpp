#include "feedback/form_copiar_un_tros_de_pantalla.h"

#include "feedback/form_transparent.h"

namespace zv {

FormCopiarUnTrosDePantalla::FormCopiarUnTrosDePantalla(Application& app, FormTransparent& frame)
    : Form(app, "FormCopiarUnTrosDePantalla"), frame_(frame) {
    border = BorderStyle::Sizeable;
    minimizeBox = maximizeBox = false;
    centred = true;
    color = 0xFFFFFF;
    setBounds({0, 0, 673, 423});
    onClose = [this] { FormClose(); };
}

void FormCopiarUnTrosDePantalla::FormClose() {
    frame_.GrandariaX = clientWidth() + 17;
    frame_.GrandariaY = clientHeight() + 17;
}

}  // namespace zv
