#pragma once
// The main window: the toolbar, its menus, its three timers and all run state. Its
// handlers live in the folder of the subsystem they belong to (points/, scan/, hook/,
// record/, feedback/, lang/, about/); this header is the one place that lists them all.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "points/point_set.h"
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
class FormPointEditor;
class FormPointMarker;
struct RecordedWindow;

enum class Mode : int32_t { Idle = 0, Recording = 1, Executing = 2 };

class FormPrincipal : public Form {
public:
    explicit FormPrincipal(Application& app);
    ~FormPrincipal() override;

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
    MenuItem MenuNuevo, MenuAbrir, MenuGuardar, MenuEditarPuntos, N4, MenuGrabar, MenuPararGrabacion, N1, MenuEjecutar, MenuParar, N2,
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
    MenuItem MenuGrabarConBarridoDePunto;

    // --- Timers ---
    Timer TimerEscaneig;
    Timer TimerMouseHook;
    Timer TimerPosicioMouse;
    // Moves the line of point scanning; off whenever no line is sweeping.
    Timer TimerBarridoPunto;

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
    // The title the window had before a note was put in front of it.
    std::optional<std::string> titleBeforeNote;
    // The point editor, made when first opened, and the markers of the points it shows.
    std::unique_ptr<FormPointEditor> pointEditor;
    std::vector<std::unique_ptr<FormPointMarker>> pointMarkers;
    bool editingPoints = false;
    // Present while the next click anywhere is taken as a place instead of a recording.
    struct ClickPick {
        std::function<void(int x, int y)> taken;
        std::function<void()> cancelled;
    };
    std::optional<ClickPick> clickPick;

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
    // A short note in front of the window's title (how many points are recorded, what
    // the next click does), and the title as it was again. The title marker stays in it.
    void noteInTitle(const std::string& note);
    void clearTitleNote();
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
    void MenuGrabarConBarridoDePuntoClick();

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
    // The window a point placed at (x, y) follows: the one there when points follow their
    // window, none otherwise.
    std::optional<RecordedWindow> windowToNote(int x, int y);
    std::pair<int, int> placedPoint(int index);
    std::pair<int, int> lastPlacedPoint(int index) const;
    bool ownWindow(WindowId w) const;

    // --- Hook event dispatcher (hook/) ---
    void TimerMouseHookTimer();
    void HookReportArrived();
    bool pollMailboxNow();

    // --- The point editor (points/point_editing.cpp) ---
    void MenuEditarPuntosClick();
    void pointEditorClosed();
    // The markers of the set's points, the selected one (-1: none) in the frame's colour.
    void showPointMarkers(int selected);
    void hidePointMarkers();

    // --- Recording (record/) ---
    void MenuGrabarClick();
    void startRecording(bool bySweeps);
    void listenToRecordingHooks();
    // The next left click anywhere is a place: `taken` gets it, and the click goes no
    // further; Escape, the right button or a click on the program's own windows call
    // `cancelled` instead. The note tells the carer, in the title, what the click is for.
    void takeNextClick(const std::string& note, std::function<void(int x, int y)> taken, std::function<void()> cancelled);
    void clickPickTick();
    void endClickPick(std::optional<std::pair<int, int>> at);
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
    bool pointScanningInExecution() const;
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

    // --- About box and help (about/) ---
    void MenuAyudaClick();
};

}  // namespace zv
