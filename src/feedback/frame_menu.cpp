// The Options entries of the tracking frame: on or off, colour, and size.

#include "app/form_principal.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "feedback/form_transparent.h"
#include "feedback/form_copiar_un_tros_de_pantalla.h"
#include "platform/platform.h"

namespace zv {

void FormPrincipal::MenuActivarQuadroSeguimientoMouseClick() {
    toggleAndSave(MenuActivarQuadroSeguimientoMouse, keys::kTrackingFrame);
    // Unchecked during a scan, the frame would otherwise stay where it stands for good.
    if (!MenuActivarQuadroSeguimientoMouse.checked()) formTransparent->hide();
}

void FormPrincipal::MenuColorClick() {
    const auto chosen = platform().colorDialog(static_cast<uint32_t>(formTransparent->ColorQuadre));
    if (!chosen) return;
    formTransparent->setBarColour(static_cast<int32_t>(*chosen));
    settings::write(keys::kSectionLibrary, keys::kColorWritten, std::to_string(formTransparent->ColorQuadre));
}

namespace {
void checkOnly(MenuItem& chosen, std::initializer_list<MenuItem*> all) {
    for (MenuItem* m : all) m->setChecked(m == &chosen);
}
}  // namespace

void FormPrincipal::MenuPequenyoClick() {
    checkOnly(MenuPequenyo, {&MenuPequenyo, &MenuMediano, &MenuGrande, &MenuEscogerTamanyo});
    const int side = formTransparent->GrandariaBase / 4;
    formTransparent->setFrameSize(side, side);
    formTransparent->ActualitzarRegio();
    settings::write(keys::kSectionLibrary, keys::kFrameSize, "1");
}

void FormPrincipal::MenuMedianoClick() {
    checkOnly(MenuMediano, {&MenuPequenyo, &MenuMediano, &MenuGrande, &MenuEscogerTamanyo});
    const int side = formTransparent->GrandariaBase / 2;
    formTransparent->setFrameSize(side, side);
    formTransparent->ActualitzarRegio();
    settings::write(keys::kSectionLibrary, keys::kFrameSize, "2");
}

void FormPrincipal::MenuGrandeClick() {
    checkOnly(MenuGrande, {&MenuPequenyo, &MenuMediano, &MenuGrande, &MenuEscogerTamanyo});
    const int side = formTransparent->GrandariaBase;
    formTransparent->setFrameSize(side, side);
    formTransparent->ActualitzarRegio();
    settings::write(keys::kSectionLibrary, keys::kFrameSize, "3");
}

void FormPrincipal::MenuEscogerTamanyoClick() {
    checkOnly(MenuEscogerTamanyo, {&MenuPequenyo, &MenuMediano, &MenuGrande, &MenuEscogerTamanyo});
    formCopiarUnTrosDePantalla->showModal();
    formTransparent->setFrameSize(formTransparent->GrandariaX, formTransparent->GrandariaY);
    formTransparent->ActualitzarRegio();
    settings::write(keys::kSectionLibrary, keys::kFrameSize, "4");
    settings::write(keys::kSectionLibrary, keys::kFrameWidth, std::to_string(formTransparent->GrandariaX));
    settings::write(keys::kSectionLibrary, keys::kFrameHeight, std::to_string(formTransparent->GrandariaY));
}

}  // namespace zv
