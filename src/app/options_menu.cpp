// The Options menu: each switch flips its check mark, applies its own rule and is on disk
// at once. Other subsystems read the marks at the moment they act.

#include "app/form_principal.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "scan/scan_timing_dialog.h"

namespace zv {

void FormPrincipal::toggleAndSave(MenuItem& entry, const char* key) {
    entry.setChecked(!entry.checked());
    settings::writeSwitch(keys::kSectionOptions, key, entry.checked());
}

void FormPrincipal::MenuEnGrabacinHacerClicRealClick() { toggleAndSave(MenuEnGrabacinHacerClicReal, keys::kRealClick); }

void FormPrincipal::MenuEnEjecucinBuscarFicheroDeBarridoClick() {
    toggleAndSave(MenuEnEjecucinBuscarFicheroDeBarrido, keys::kSearchScanFile);
}

void FormPrincipal::MenuWindowsVistaClick() {
    MenuWindowsVista.setChecked(!MenuWindowsVista.checked());
    const bool vista = MenuWindowsVista.checked();
    if (vista) {
        MenuQualsevolTecla.setChecked(false);
        MenuEnviarTabsYReturn.setChecked(false);
    }
    MenuQualsevolTecla.setEnabled(!vista);
    MenuQualsevolTecla.setVisible(!vista);
    MenuEnviarTabsYReturn.setEnabled(!vista);
    MenuEnviarTabsYReturn.setVisible(!vista);
    N6.setVisible(!vista);
    // The option itself reaches the settings file when the window closes.
}

// Any key clicks and directed scanning exclude each other: the handler called for the
// other option always switches it off, so it never calls back.
void FormPrincipal::MenuQualsevolTeclaClick() {
    MenuQualsevolTecla.setChecked(!MenuQualsevolTecla.checked());
    if (MenuQualsevolTecla.checked() && MenuBarridoDirigido.checked()) MenuBarridoDirigidoClick();
    settings::writeSwitch(keys::kSectionOptions, keys::kAnyKey, MenuQualsevolTecla.checked());
}

void FormPrincipal::MenuBarridoDirigidoClick() {
    MenuBarridoDirigido.setChecked(!MenuBarridoDirigido.checked());
    if (MenuBarridoDirigido.checked() && MenuQualsevolTecla.checked()) MenuQualsevolTeclaClick();
    MenuAccederAPosicionesPorTeclado.setChecked(MenuBarridoDirigido.checked());
    MenuClicAutomticoAlAccederPorTeclado.setEnabled(MenuAccederAPosicionesPorTeclado.checked());
    settings::writeSwitch(keys::kSectionOptions, keys::kDirectedScanning, MenuBarridoDirigido.checked());
}

void FormPrincipal::MenuAccederAPosicionesPorTecladoClick() {}

void FormPrincipal::MenuClicAutomticoAlAccederPorTecladoClick() {
    toggleAndSave(MenuClicAutomticoAlAccederPorTeclado, keys::kAutoClick);
}

void FormPrincipal::MenuEnviarTabsYReturnClick() { toggleAndSave(MenuEnviarTabsYReturn, keys::kTabsAndReturn); }

void FormPrincipal::EsperarIntervaloDetiempoEntre2ClicsClick() {
    EsperarIntervaloDetiempoEntre2Clics.setChecked(!EsperarIntervaloDetiempoEntre2Clics.checked());
    SpinEditIntervalTempsEntreClics.setEnabled(EsperarIntervaloDetiempoEntre2Clics.checked());
    settings::writeSwitch(keys::kSectionOptions, keys::kWaitInterval, EsperarIntervaloDetiempoEntre2Clics.checked());
}

void FormPrincipal::MenuEnEscaneigFerSonarUnBeepClick() { toggleAndSave(MenuEnEscaneigFerSonarUnBeep, keys::kBeep); }

void FormPrincipal::MenuIntercambiarBotonesMouseClick() {
    toggleAndSave(MenuIntercambiarBotonesMouse, keys::kSwapButtons);
}

void FormPrincipal::menuPointsFollowTheirWindowClick() {
    toggleAndSave(menuPointsFollowTheirWindow, keys::kPointsFollowWindow);
}
void FormPrincipal::menuPointScanningClick() { toggleAndSave(menuPointScanning, keys::kPointScanning); }
void FormPrincipal::menuGroupScanningClick() { toggleAndSave(menuGroupScanning, keys::kGroupScanning); }
void FormPrincipal::menuScanTimingClick() { scanTimingDialog->showModal(); }

// The waiting entry is greyed out while names are not said; its mark and key stay.
void FormPrincipal::menuSayEachPointsNameClick() {
    toggleAndSave(menuSayEachPointsName, keys::kSayPointNames);
    menuWaitUntilSaid.setEnabled(menuSayEachPointsName.checked());
}
void FormPrincipal::menuWaitUntilSaidClick() {
    toggleAndSave(menuWaitUntilSaid, keys::kWaitForSpeech);
}
void FormPrincipal::menuCheckPointBeforeClickClick() {
    toggleAndSave(menuCheckPointBeforeClick, keys::kCheckPointBeforeClick);
}

}  // namespace zv
