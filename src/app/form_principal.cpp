#include "app/form_principal.h"

#include "about/about_box.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "app/title.h"
#include "feedback/point_marker.h"
#include "hook/mailbox.h"
#include "platform/numbers.h"
#include "platform/platform.h"
#include "points/form_point_editor.h"
#include "widgets/application.h"

namespace zv {

namespace {
constexpr const char* kMessageTitle = "Brisal 2001 - Zentavoro";
}

FormPrincipal::FormPrincipal(Application& app)
    : Form(app, "FormPrincipal"),
      ButtonEjecutar(this, "ButtonEjecutar"),
      ButtonGrabar(this, "ButtonGrabar"),
      SpinEditTempsTimer(this, "SpinEditTempsTimer", 1, 255, 12),
      SpinEditIntervalTempsEntreClics(this, "SpinEditIntervalTempsEntreClics", 0, 32, 10),
      MemoPelFitxer(this, "MemoPelFitxer"),
      MenuArchivo(this, "MenuArchivo", "&Archivo"),
      MenuNuevo(this, "MenuNuevo", "&Nuevo", &MenuArchivo),
      MenuAbrir(this, "MenuAbrir", "&Abrir...", &MenuArchivo),
      MenuGuardar(this, "MenuGuardar", "&Guardar...", &MenuArchivo),
      menuEditPoints(this, "menuEditPoints", "E&ditar puntos...", &MenuArchivo),
      N4(this, "N4", "-", &MenuArchivo),
      MenuGrabar(this, "MenuGrabar", "Gra&bar", &MenuArchivo),
      MenuPararGrabacion(this, "MenuPararGrabacion", "Pa&rar grabaci\xF3n", &MenuArchivo),
      N1(this, "N1", "-", &MenuArchivo),
      MenuEjecutar(this, "MenuEjecutar", "&Ejecutar", &MenuArchivo),
      MenuParar(this, "MenuParar", "&Parar", &MenuArchivo),
      N2(this, "N2", "-", &MenuArchivo),
      MenuAcercaDe(this, "MenuAcercaDe", "A&cerca de...", &MenuArchivo),
      MenuAyuda(this, "MenuAyuda", "Ayuda...", &MenuArchivo),
      N3(this, "N3", "-", &MenuArchivo),
      MenuSalir(this, "MenuSalir", "&Salir", &MenuArchivo),
      MenuOpciones(this, "MenuOpciones", "&Opciones"),
      MenuLlengua(this, "MenuLlengua", "&Lenguaje", &MenuOpciones),
      MenuCatala(this, "MenuCatala", "&Catal\xE0", &MenuLlengua),
      MenuCastellano(this, "MenuCastellano", "Cast&ellano", &MenuLlengua),
      MenuEuskera(this, "MenuEuskera", "&Euskara", &MenuLlengua),
      MenuGalego(this, "MenuGalego", "Galego", &MenuLlengua),
      MenuPortugues(this, "MenuPortugues", "Portugu\xEAs", &MenuLlengua),
      MenuEnglish(this, "MenuEnglish", "English", &MenuLlengua),
      MenuFrances(this, "MenuFrances", "Fran\xE7" "ais", &MenuLlengua),
      N10(this, "N10", "-", &MenuOpciones),
      MenuEnGrabacinHacerClicReal(this, "MenuEnGrabacinHacerClicReal", "En grabaci\xF3n, hacer &clic real", &MenuOpciones),
      MenuEnEjecucinBuscarFicheroDeBarrido(this, "MenuEnEjecucinBuscarFicheroDeBarrido",
                                           "En ejecuci\xF3n, buscar &fichero de barrido", &MenuOpciones),
      N5(this, "N5", "-", &MenuOpciones),
      MenuWindowsVista(this, "MenuWindowsVista", "Windows Vista", &MenuOpciones),
      N12(this, "N12", "-", &MenuOpciones),
      MenuQualsevolTecla(this, "MenuQualsevolTecla", "Clic prement qualsevol tecla", &MenuOpciones),
      MenuBarridoDirigido(this, "MenuBarridoDirigido", "Barrido &dirigido, clic derecho, Tab, +, o teclado (0..9,A..Z)",
                          &MenuOpciones),
      MenuAccederAPosicionesPorTeclado(this, "MenuAccederAPosicionesPorTeclado",
                                       "Acceder a posiciones por &teclado (0,1...9, A..Z)", &MenuOpciones),
      MenuClicAutomticoAlAccederPorTeclado(this, "MenuClicAutomticoAlAccederPorTeclado",
                                           "Clic autom\xE1tico al acceder por teclado (0,1...9, A..Z)", &MenuOpciones),
      N6(this, "N6", "-", &MenuOpciones),
      MenuEnviarTabsYReturn(this, "MenuEnviarTabsYReturn", "Enviar Tabs y Return", &MenuOpciones),
      N7(this, "N7", "-", &MenuOpciones),
      EsperarIntervaloDetiempoEntre2Clics(this, "EsperarIntervaloDetiempoEntre2Clics",
                                          "Esperar &intervalo de tiempo entre 2 clics", &MenuOpciones),
      N8(this, "N8", "-", &MenuOpciones),
      MenuActivarQuadroSeguimientoMouse(this, "MenuActivarQuadroSeguimientoMouse", "Activar cuadro seguimiento mouse",
                                        &MenuOpciones),
      MenuColor(this, "MenuColor", "Color", &MenuOpciones),
      MenuTamanyo(this, "MenuTamanyo", "Tama\xF1o", &MenuOpciones),
      MenuPequenyo(this, "MenuPequenyo", "Peque\xF1o", &MenuTamanyo),
      MenuMediano(this, "MenuMediano", "Mediano", &MenuTamanyo),
      MenuGrande(this, "MenuGrande", "Grande", &MenuTamanyo),
      MenuEscogerTamanyo(this, "MenuEscogerTamanyo", "Escoger tama\xF1o", &MenuTamanyo),
      N11(this, "N11", "-", &MenuOpciones),
      MenuEnEscaneigFerSonarUnBeep(this, "MenuEnEscaneigFerSonarUnBeep", "En escaneig fer sonar un Beep", &MenuOpciones),
      N9(this, "N9", "-", &MenuOpciones),
      MenuIntercambiarBotonesMouse(this, "MenuIntercambiarBotonesMouse", "Intercambiar botones mouse", &MenuOpciones),
      N13(this, "N13", "-", &MenuOpciones),
      menuMoreOptions(this, "menuMoreOptions", "&M\xE1s opciones", &MenuOpciones),
      menuPointsFollowTheirWindow(this, "menuPointsFollowTheirWindow", "Los puntos siguen a su ventana", &menuMoreOptions),
      menuPointScanning(this, "menuPointScanning", "Barrido de punto si no hay puntos", &menuMoreOptions),
      menuGroupScanning(this, "menuGroupScanning", "Barrido por grupos", &menuMoreOptions),
      menuScanTiming(this, "menuScanTiming", "Tiempos del barrido...", &menuMoreOptions),
      menuSayEachPointsName(this, "menuSayEachPointsName", "Decir el nombre de cada punto",
                                   &menuMoreOptions),
      menuWaitUntilSaid(this, "menuWaitUntilSaid", "Esperar a que termine de hablar",
                                     &menuMoreOptions),
      menuRecordByPointScanning(this, "menuRecordByPointScanning", "Grabar con barrido de punto", &menuMoreOptions),
      menuCheckPointBeforeClick(this, "menuCheckPointBeforeClick", "Comprobar el punto antes del clic",
                                     &menuMoreOptions),
      TimerEscaneig(this, "TimerEscaneig", 1200),
      TimerMouseHook(this, "TimerMouseHook", 100),
      TimerPosicioMouse(this, "TimerPosicioMouse", 200),
      pointSweepTimer(this, "pointSweepTimer", 20),
      speechWaitTimer(this, "speechWaitTimer", 20),
      clickWarningTimer(this, "clickWarningTimer", 150),
      speech(app.platform()) {
    setCaption(kPlainTitle);
    setBounds({0, 0, 165, 90});
    border = BorderStyle::Sizeable;
    topmost = true;
    maximizeBox = false;
    font = {"MS Sans Serif", 11, false, 0};

    ButtonEjecutar.setBounds({0, 2, 25, 25});
    ButtonEjecutar.picture = "ejecutar";
    ButtonEjecutar.setHint("Ejecutar barrido autom\xE1tico");
    ButtonGrabar.setBounds({25, 2, 25, 25});
    ButtonGrabar.picture = "grabar";
    ButtonGrabar.setHint("Grabar secuencia");
    SpinEditTempsTimer.setBounds({52, 2, 41, 26});
    SpinEditTempsTimer.setHint("Decimas de segundo que dura cada salto del barrido");
    SpinEditIntervalTempsEntreClics.setBounds({92, 2, 41, 26});
    SpinEditIntervalTempsEntreClics.setHint(
        "Decimas de segundo que dura el intervalo de tiempo m\xEDnimo permitido entre 2 clics");
    MemoPelFitxer.setVisible(false);
    MemoPelFitxer.wordWrap = false;

    MenuGuardar.setEnabled(false);
    MenuGrabar.shortcut = "Ctrl+B";
    MenuPararGrabacion.shortcut = "Ctrl+R";
    MenuPararGrabacion.setEnabled(false);
    MenuPararGrabacion.setVisible(false);
    MenuEjecutar.shortcut = "Ctrl+E";
    MenuParar.shortcut = "Ctrl+P";
    MenuParar.setEnabled(false);
    MenuAyuda.setVisible(false);

    MenuCastellano.setChecked(true);
    MenuEnGrabacinHacerClicReal.setVisible(false);
    MenuAccederAPosicionesPorTeclado.setVisible(false);
    MenuClicAutomticoAlAccederPorTeclado.setEnabled(false);
    EsperarIntervaloDetiempoEntre2Clics.setVisible(false);
    EsperarIntervaloDetiempoEntre2Clics.setChecked(true);
    N8.setVisible(false);
    MenuGrande.setChecked(true);
    N9.setVisible(false);
    MenuIntercambiarBotonesMouse.setVisible(false);
    // Waiting for a name to have been said means something only while names are said.
    menuWaitUntilSaid.setEnabled(false);

    auto bind = [this](Widget& w, void (FormPrincipal::*handler)()) { w.onClick = [this, handler] { (this->*handler)(); }; };
    bind(ButtonEjecutar, &FormPrincipal::ButtonEjecutarClick);
    bind(ButtonGrabar, &FormPrincipal::ButtonGrabarClick);
    bind(MenuNuevo, &FormPrincipal::MenuNuevoClick);
    bind(MenuAbrir, &FormPrincipal::MenuAbrirClick);
    bind(MenuGuardar, &FormPrincipal::MenuGuardarClick);
    bind(menuEditPoints, &FormPrincipal::menuEditPointsClick);
    bind(MenuGrabar, &FormPrincipal::MenuGrabarClick);
    bind(MenuPararGrabacion, &FormPrincipal::MenuPararGrabacionClick);
    bind(MenuEjecutar, &FormPrincipal::MenuEjecutarClick);
    bind(MenuParar, &FormPrincipal::MenuPararClick);
    bind(MenuAcercaDe, &FormPrincipal::MenuAcercaDeClick);
    bind(MenuAyuda, &FormPrincipal::MenuAyudaClick);
    bind(MenuSalir, &FormPrincipal::MenuSalirClick);
    bind(MenuCatala, &FormPrincipal::MenuCatalaClick);
    bind(MenuCastellano, &FormPrincipal::MenuCastellanoClick);
    bind(MenuEuskera, &FormPrincipal::MenuEuskeraClick);
    bind(MenuGalego, &FormPrincipal::MenuGalegoClick);
    bind(MenuPortugues, &FormPrincipal::MenuPortuguesClick);
    bind(MenuEnglish, &FormPrincipal::MenuEnglishClick);
    bind(MenuFrances, &FormPrincipal::MenuFrancesClick);
    bind(MenuEnGrabacinHacerClicReal, &FormPrincipal::MenuEnGrabacinHacerClicRealClick);
    bind(MenuEnEjecucinBuscarFicheroDeBarrido, &FormPrincipal::MenuEnEjecucinBuscarFicheroDeBarridoClick);
    bind(MenuWindowsVista, &FormPrincipal::MenuWindowsVistaClick);
    bind(MenuQualsevolTecla, &FormPrincipal::MenuQualsevolTeclaClick);
    bind(MenuBarridoDirigido, &FormPrincipal::MenuBarridoDirigidoClick);
    bind(MenuAccederAPosicionesPorTeclado, &FormPrincipal::MenuAccederAPosicionesPorTecladoClick);
    bind(MenuClicAutomticoAlAccederPorTeclado, &FormPrincipal::MenuClicAutomticoAlAccederPorTecladoClick);
    bind(MenuEnviarTabsYReturn, &FormPrincipal::MenuEnviarTabsYReturnClick);
    bind(EsperarIntervaloDetiempoEntre2Clics, &FormPrincipal::EsperarIntervaloDetiempoEntre2ClicsClick);
    bind(MenuActivarQuadroSeguimientoMouse, &FormPrincipal::MenuActivarQuadroSeguimientoMouseClick);
    bind(MenuColor, &FormPrincipal::MenuColorClick);
    bind(MenuPequenyo, &FormPrincipal::MenuPequenyoClick);
    bind(MenuMediano, &FormPrincipal::MenuMedianoClick);
    bind(MenuGrande, &FormPrincipal::MenuGrandeClick);
    bind(MenuEscogerTamanyo, &FormPrincipal::MenuEscogerTamanyoClick);
    bind(MenuEnEscaneigFerSonarUnBeep, &FormPrincipal::MenuEnEscaneigFerSonarUnBeepClick);
    bind(MenuIntercambiarBotonesMouse, &FormPrincipal::MenuIntercambiarBotonesMouseClick);
    bind(menuPointsFollowTheirWindow, &FormPrincipal::menuPointsFollowTheirWindowClick);
    bind(menuPointScanning, &FormPrincipal::menuPointScanningClick);
    bind(menuGroupScanning, &FormPrincipal::menuGroupScanningClick);
    bind(menuScanTiming, &FormPrincipal::menuScanTimingClick);
    bind(menuSayEachPointsName, &FormPrincipal::menuSayEachPointsNameClick);
    bind(menuWaitUntilSaid, &FormPrincipal::menuWaitUntilSaidClick);
    bind(menuRecordByPointScanning, &FormPrincipal::menuRecordByPointScanningClick);
    bind(menuCheckPointBeforeClick, &FormPrincipal::menuCheckPointBeforeClickClick);
    onClick = [this] { FormClick(); };

    SpinEditTempsTimer.onChange = [this] { SpinEditTempsTimerChange(); };
    SpinEditIntervalTempsEntreClics.onChange = [this] { SpinEditIntervalTempsEntreClicsChange(); };
    TimerEscaneig.onTimer = [this] { TimerEscaneigTimer(); };
    TimerMouseHook.onTimer = [this] { TimerMouseHookTimer(); };
    TimerPosicioMouse.onTimer = [this] { TimerPosicioMouseTimer(); };
    pointSweepTimer.onTimer = [this] { pointSweepTick(); };
    speechWaitTimer.onTimer = [this] { speechWaitTick(); };
    clickWarningTimer.onTimer = [this] { clickWarningTick(); };

    onCreate = [this] { FormCreate(); };
    onShow = [this] { FormShow(); };
    onActivate = [this] { FormActivate(); };
    onDeactivate = [this] { FormDeactivate(); };
    onClose = [this] { FormClose(); };
}

// The editor and the markers are windows of their own, made only when first needed.
FormPrincipal::~FormPrincipal() = default;

Platform& FormPrincipal::platform() const { return app().platform(); }

void FormPrincipal::FormCreate() {
    setLeft(platform().primaryScreenSize().width - width());
    setTop(0);
    TimerEscaneig.setInterval(static_cast<unsigned>(SpinEditTempsTimer.value()) * 100);
    points = PointSet{};
    mode = Mode::Idle;
    HookInstalled = false;
    LastWindowTitle.clear();
    ShowOnStop = true;
    ClickInterval = 1000;
    FirstStep = false;
    NextClickTick = 0;
    startupDirectory = platform().currentDirectory();
    putOnTop();
    setCaption(fullTitle());
}

void FormPrincipal::enableStarts(bool enabled) {
    MenuGuardar.setEnabled(enabled);
    // While the point editor is open, nothing may replace or scan the set it shows.
    const bool starts = enabled && !editingPoints;
    for (Widget* w : std::initializer_list<Widget*>{&MenuAbrir, &menuEditPoints, &MenuEjecutar, &MenuGrabar,
                                                    &menuRecordByPointScanning, &ButtonEjecutar, &ButtonGrabar})
        w->setEnabled(starts);
}

void FormPrincipal::noteInTitle(const std::string& note) {
    if (!titleBeforeNote) titleBeforeNote = caption();
    setCaption(note + " - " + *titleBeforeNote);
}

void FormPrincipal::clearTitleNote() {
    if (!titleBeforeNote) return;
    setCaption(*titleBeforeNote);
    titleBeforeNote.reset();
}

void FormPrincipal::putOnTop() { placeTopmost(); }

void FormPrincipal::FormShow() { putOnTop(); }
void FormPrincipal::FormActivate() { putOnTop(); }
void FormPrincipal::FormDeactivate() { putOnTop(); }

void FormPrincipal::FormClose() {
    // A place still awaited is given up with the program; its hooks go with the others.
    if (clickPick) {
        clickPick.reset();
        platform().hooks().UnHookKeyboard();
    }
    if (HookInstalled) platform().hooks().UnHookHook();
    // Closing is the user's own end: nothing is left to offer back.
    dropRecording();
    platform().hooks().UnHookQualsevolTecla();
    settings::write(keys::kSectionOptions, keys::kScanStep, SpinEditTempsTimer.text());
    settings::write(keys::kSectionLibrary, keys::kWindowTitle, "");
    settings::write(keys::kSectionOptions, keys::kClickInterval, SpinEditIntervalTempsEntreClics.text());
    settings::write(keys::kSectionOptions, keys::kWindowsVista, MenuWindowsVista.checked() ? keys::kVistaOn : keys::kOff);
    settings::write(keys::kSectionWindow, keys::kWidth, std::to_string(width()));
    settings::write(keys::kSectionWindow, keys::kHeight, std::to_string(height()));
    // What could not be saved is said before the program ends, or never.
    tellSettingsNotice();
}

void FormPrincipal::FormClick() { aboutBox->showModal(); }
void FormPrincipal::MenuAcercaDeClick() { aboutBox->showModal(); }
void FormPrincipal::MenuSalirClick() { close(); }
void FormPrincipal::ButtonEjecutarClick() { MenuEjecutarClick(); }
void FormPrincipal::ButtonGrabarClick() { MenuGrabarClick(); }

void FormPrincipal::SpinEditTempsTimerChange() {
    TimerEscaneig.setInterval(static_cast<unsigned>(SpinEditTempsTimer.value()) * 100);
}

void FormPrincipal::SpinEditIntervalTempsEntreClicsChange() { ClickInterval = SpinEditIntervalTempsEntreClics.value() * 100; }

void FormPrincipal::PumpDelay(uint32_t ms) {
    const uint32_t start = platform().tickCount();
    do {
        platform().processMessages(app());
        platform().sleep(1);
    } while (static_cast<uint32_t>(platform().tickCount() - start) < ms);
}

void FormPrincipal::SpinDelay(uint32_t ms) {
    // Measured as an unsigned difference, like PumpDelay, so that a wait that straddles
    // the wrap of the tick count neither ends early nor spins for ever.
    const uint32_t start = platform().tickCount();
    while (static_cast<uint32_t>(platform().tickCount() - start) < ms) platform().processMessages(app());
}

void FormPrincipal::showInfo(const std::string& text) { platform().messageBox(text, kMessageTitle); }

bool FormPrincipal::askYesNo(const std::string& text) { return platform().questionBox(text, kMessageTitle); }

}  // namespace zv
