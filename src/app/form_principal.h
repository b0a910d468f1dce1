#pragma once
// The main window: the toolbar, its menus, its three timers and all run state. Its
// handlers live in the folder of the subsystem they belong to (points/, scan/, hook/,
// record/, feedback/, lang/, about/); this header is the one place that lists them all.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "points/point_set.h"
#include "points/spot_matcher.h"
#include "points/spot_pictures.h"
#include "points/window_anchors.h"
#include "scan/point_sweep.h"
#include "widgets/form.h"

namespace zv {

class Platform;
class AboutBox;
class FormTransparent;
class FormCopiarUnTrosDePantalla;
class FormScreen;
class FormMouse;
class FormLinia;

enum class Mode : int32_t { Idle = 0, Recording = 1, Executing = 2 };

class FormPrincipal : public Form {
public:
    explicit FormPrincipal(Application& app);

    Platform& platform() const;

    // The other windows, created once by the main program block.
    AboutBox* aboutBox = nullptr;
    FormTransparent* formTransparent = nullptr;
    FormCopiarUnTrosDePantalla* formCopiarUnTrosDePantalla = nullptr;
    FormScreen* formScreen = nullptr;
    FormMouse* formMouse = nullptr;
    // The two lines of point scanning.
    FormLinia* formLiniaVertical = nullptr;
    FormLinia* formLiniaHoritzontal = nullptr;

    // --- Toolbar ---
    ToolButton ButtonEjecutar;
    ToolButton ButtonGrabar;
    SpinEdit SpinEditTempsTimer;
    SpinEdit SpinEditIntervalTempsEntreClics;
    Memo MemoPelFitxer;

    // --- File menu ---
    MenuItem MenuArchivo;
    MenuItem MenuNuevo, MenuAbrir, MenuGuardar, N4, MenuGrabar, MenuPararGrabacion, N1, MenuEjecutar, MenuParar, N2,
        MenuAcercaDe, MenuAyuda, N3, MenuSalir;

    // --- Options menu ---
    MenuItem MenuOpciones;
    MenuItem MenuLlengua;
    MenuItem MenuCatala, MenuCastellano, MenuEuskera, MenuGalego, MenuPortugues, MenuEnglish, MenuFrances;
    MenuItem N10, MenuEnGrabacinHacerClicReal, MenuEnEjecucinBuscarFicheroDeBarrido, N5, MenuWindowsVista, N12,
        MenuQualsevolTecla, MenuBarridoDirigido, MenuAccederAPosicionesPorTeclado, MenuClicAutomticoAlAccederPorTeclado,
        N6, MenuEnviarTabsYReturn, N7, EsperarIntervaloDetiempoEntre2Clics, N8, MenuActivarQuadroSeguimientoMouse,
        MenuColor, MenuTamanyo;
    MenuItem MenuPequenyo, MenuMediano, MenuGrande, MenuEscogerTamanyo;
    MenuItem N11, MenuEnEscaneigFerSonarUnBeep, N9, MenuIntercambiarBotonesMouse;
    // The program's own options, beyond those above: each off by default, in this submenu
    // at the end of the Options menu.
    MenuItem N13, MenuMasOpciones;
    MenuItem MenuPuntosSiguenASuVentana;
    MenuItem MenuBarridoDePunto;
    MenuItem MenuComprobarPuntoAntesDelClic;

    // --- Timers ---
    Timer TimerEscaneig;
    Timer TimerMouseHook;
    Timer TimerPosicioMouse;
    // Moves the line of point scanning; off whenever no line is sweeping.
    Timer TimerBarridoPunto;
    // Paces the warning of a refused click: the frame blinks red, the beep sounds twice.
    Timer TimerClickWarning;

    // --- Run state ---
    PointSet points;
    // The window each point was recorded in, for the points that follow their window.
    WindowAnchors anchors;
    Mode mode = Mode::Idle;
    bool HookInstalled = false;
    bool ShowOnStop = true;
    bool FirstStep = false;
    bool SkipNextReport = false;
    int32_t NextClickTick = 0;
    int32_t ClickInterval = 1000;
    std::string LastWindowTitle;
    // Where the last placement really left the pointer, for the pointer check of the
    // "Windows Vista" variant after a keyboard jump.
    std::optional<std::pair<int, int>> lastPlaced;
    // The folder that was current when the window was created: window matching lists
    // its scan files there.
    std::string startupDirectory;
    // Set while a scan step places the pointer: a pointer-hold tick then has nothing to check.
    bool placingPointer = false;
    // Present while point scanning runs, in execution or in recording.
    std::optional<PointSweep> pointSweep;
    // The picture of each point's spot, for the check before the click.
    SpotPictures pictures;
    SpotMatcher spotMatcher;
    // The point the last scan step placed; none while the pointer stands where no point
    // put it (before the first step, after a sweep chose a place).
    std::optional<int32_t> placedIndex;
    // The last placed point belongs to a window that is not the window in front: the switch
    // does nothing there but the stop.
    bool placedOffFront = false;
    // How far the warning of a refused click has gone; 0 when none is showing.
    int clickWarningStep = 0;

    // --- Main window (app/) ---
    void FormCreate();
    void FormShow();
    void FormActivate();
    void FormDeactivate();
    void FormClose();
    void FormClick();
    void MenuAcercaDeClick();
    void MenuSalirClick();
    void ButtonEjecutarClick();
    void ButtonGrabarClick();
    void SpinEditTempsTimerChange();
    void SpinEditIntervalTempsEntreClicsChange();
    void PumpDelay(uint32_t ms);
    void SpinDelay(uint32_t ms);
    void putOnTop();
    void showInfo(const std::string& text);
    // What starts a recording or a scan, opens or saves a file: usable while the program is
    // idle, not while it records or scans.
    void enableStarts(bool enabled);

    // --- Options menu (app/options_menu.cpp) ---
    void toggleAndSave(MenuItem& entry, const char* key);
    void MenuEnGrabacinHacerClicRealClick();
    void MenuEnEjecucinBuscarFicheroDeBarridoClick();
    void MenuWindowsVistaClick();
    void MenuQualsevolTeclaClick();
    void MenuBarridoDirigidoClick();
    void MenuAccederAPosicionesPorTecladoClick();
    void MenuClicAutomticoAlAccederPorTecladoClick();
    void MenuEnviarTabsYReturnClick();
    void EsperarIntervaloDetiempoEntre2ClicsClick();
    void MenuEnEscaneigFerSonarUnBeepClick();
    void MenuIntercambiarBotonesMouseClick();
    void MenuPuntosSiguenASuVentanaClick();
    void MenuBarridoDePuntoClick();
    void MenuComprobarPuntoAntesDelClicClick();

    // --- Languages (lang/) ---
    void MenuCatalaClick();
    void MenuCastellanoClick();
    void MenuEuskeraClick();
    void MenuGalegoClick();
    void MenuPortuguesClick();
    void MenuEnglishClick();
    void MenuFrancesClick();
    void applyLanguage(int language);

    // --- Point set and scan files (points/) ---
    void MenuNuevoClick();
    void MenuAbrirClick();
    void MenuGuardarClick();
    void LoadScanFile(const std::string& name);
    std::optional<std::string> MatchScanFile();
    // Points that follow their window (points/window_follow.cpp).
    void noteWindowOfPoint(int index, int x, int y);
    std::pair<int, int> placedPoint(int index);
    std::pair<int, int> lastPlacedPoint(int index) const;
    bool ownWindow(WindowId w) const;
    // Whether some point may be clicked in the window in front: a point without a window,
    // or one whose window is in front.
    bool pointsForFrontWindow();

    // The check before the click (points/spot_check.cpp).
    // Where the program's own windows cover the screen (the screen-capture surface, which
    // shows the screen itself, excepted).
    std::vector<Rect> ownCover() const;
    // The screen there as the application shows it: the program's own windows unseen, and
    // whatever lies outside the application's window, when it is known, unseen too.
    std::optional<ScreenPixels> applicationPixels(const Rect& area, const std::optional<Rect>& window);
    // The top-level window of another program under (x, y).
    std::optional<Rect> applicationWindowAt(int x, int y);
    // Keeps the spot of a point recorded at (x, y) while the option is on.
    void takeSpotPicture(int index, int x, int y);
    // Whether the spot under the pointer still looks like the placed point's picture.
    bool spotStillThere();

    // --- Hook event dispatcher (hook/) ---
    void TimerMouseHookTimer();
    void HookReportArrived();
    bool pollMailboxNow();

    // --- Recording (record/) ---
    void MenuGrabarClick();
    void MenuPararGrabacionClick();
    void stopRecordingAndOfferSave();
    void appendPointerPosition();
    void recordSwitchPress();

    // --- Scanning (scan/) ---
    void MenuEjecutarClick();
    void MenuPararClick();
    void ApplicationActivate();
    void TimerEscaneigTimer();
    void ScanStep();
    void SendClick();
    void sendStroke(uint8_t vk);
    void sendAltTab();
    void switchClick();
    bool pressTooSoon();
    void placePointer(int x, int y);
    bool vistaVariant() const;
    bool programWindowInFront() const;

    // --- Point scanning (scan/point_scanning.cpp) ---
    bool pointScanningInExecution();
    void beginPointScanning();
    void endPointScanning();
    void pointScanningPress();
    void showSweepLines();
    void TimerBarridoPuntoTimer();

    // --- Tracking frame (feedback/) ---
    void MenuActivarQuadroSeguimientoMouseClick();
    void MenuColorClick();
    void MenuPequenyoClick();
    void MenuMedianoClick();
    void MenuGrandeClick();
    void MenuEscogerTamanyoClick();
    void TimerPosicioMouseTimer();
    // The frame round a placed point; red when the point cannot be clicked there.
    void showFrameAt(int x, int y, bool warning);
    // A click refused: the frame turns red for a moment round the pointer and the beep
    // sounds twice (feedback/click_warning.cpp).
    void warnRefusedClick();
    void TimerClickWarningTimer();

    // --- About box and help (about/) ---
    void MenuAyudaClick();
};

}  // namespace zv
