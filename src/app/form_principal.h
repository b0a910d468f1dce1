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

#include "hook/hook_mailbox.h"
#include "platform/profile.h"
#include "feedback/step_speech.h"
#include "points/point_names.h"
#include "points/point_set.h"
#include "points/spot_matcher.h"
#include "points/spot_pictures.h"
#include "points/window_anchors.h"
#include "record/name_requests.h"
#include "scan/point_sweep.h"
#include "scan/scan_engine.h"
#include "widgets/form.h"

namespace zv {

class Platform;
class AboutBox;
class FormTransparent;
class FormCopiarUnTrosDePantalla;
class FormScreen;
class FormMouse;
class SweepLine;
class GroupFrame;
class ScanTimingDialog;
class FormPointEditor;
class PointMarker;
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
    SweepLine* verticalLine = nullptr;
    SweepLine* horizontalLine = nullptr;
    // The frame round a lit group, and the dialog of the scan's timing.
    GroupFrame* groupFrame = nullptr;
    ScanTimingDialog* scanTimingDialog = nullptr;

    // --- Toolbar ---
    ToolButton ButtonEjecutar;
    ToolButton ButtonGrabar;
    SpinEdit SpinEditTempsTimer;
    SpinEdit SpinEditIntervalTempsEntreClics;
    Memo MemoPelFitxer;

    // --- File menu ---
    MenuItem MenuArchivo;
    MenuItem MenuNuevo, MenuAbrir, MenuGuardar, menuEditPoints, N4, MenuGrabar, MenuPararGrabacion, N1, MenuEjecutar, MenuParar, N2,
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
    MenuItem N13, menuMoreOptions;
    MenuItem menuPointsFollowTheirWindow;
    MenuItem menuPointScanning;
    MenuItem menuGroupScanning;
    MenuItem menuScanTiming;
    MenuItem menuSayEachPointsName;
    MenuItem menuWaitUntilSaid;
    MenuItem menuRecordByPointScanning;
    MenuItem menuCheckPointBeforeClick;

    // --- Timers ---
    Timer TimerEscaneig;
    Timer TimerMouseHook;
    Timer TimerPosicioMouse;
    // Moves the line of point scanning; off whenever no line is sweeping.
    Timer pointSweepTimer;
    // On while an automatic step waits for the name of the point before to have been said.
    Timer speechWaitTimer;
    // Paces the warning of a refused click: the frame blinks red, the beep sounds twice.
    Timer clickWarningTimer;

    // --- Run state ---
    PointSet points;
    // The window each point was recorded in, for the points that follow their window.
    WindowAnchors anchors;
    // What each point is called (said at each step when names are said).
    PointNames names;
    // A carer named a point in the editor since the set was recorded or opened: the names
    // are saved whether or not they are said.
    bool namesGivenInEditor = false;
    // The look-ups of names still unanswered, and the speech of the steps.
    NameRequests nameRequests;
    StepSpeech speech;
    // Nothing sets the mode back to Idle: after a stop it keeps its last value, and the
    // dispatcher falls silent because the poll timer is off, not because of the mode.
    Mode mode = Mode::Idle;
    bool HookInstalled = false;
    bool ShowOnStop = true;
    bool FirstStep = false;
    int32_t NextClickTick = 0;
    int32_t ClickInterval = 1000;
    // In UTF-8, as titles are compared.
    std::string LastWindowTitle;
    // The title, in UTF-8, of the window under the last recorded point: Save proposes it
    // in full when the mailbox holds what code page 1252 makes of it.
    std::string recordedTitle;
    // Where the last placement really left the pointer, for the pointer check of the
    // "Windows Vista" variant after a keyboard jump.
    std::optional<std::pair<int, int>> lastPlaced;
    // The folder that was current when the window was created: window matching lists
    // its scan files there.
    std::string startupDirectory;
    // Set while a scan step places the pointer: a pointer-hold tick then has nothing to check.
    bool placingPointer = false;
    // Whether the program has said, in this execution, that it passes over points off
    // every screen.
    bool offScreenSaid = false;
    // Set while the step of a scan-timer tick that beeped runs: a name that cannot be said
    // is not beeped twice.
    bool stepBeeped = false;
    // When an automatic step began to wait for the name before it to have been said.
    uint32_t speechWaitStart = 0;
    // Present while point scanning runs, in execution or in recording.
    std::optional<PointSweep> pointSweep;
    // The hook library's reports waiting for the poll.
    HookMailbox hookMailbox;
    // When the press or key the poll acts on was made: the time of the input the hook
    // library reported, or the poll's own moment for what another program wrote in the
    // settings file. Set at the start of every poll tick.
    uint32_t pressTick = 0;
    // The order and the state of the scan: what is lit, what the next step and a press do.
    ScanEngine scanEngine;
    // Whether this scan runs by groups, decided at its start.
    bool scanInGroups = false;
    // The pace as the toolbar set it, while the scan timer runs at another interval (a
    // first item's longer stay, a lead after a press); given back at the stop.
    std::optional<unsigned> paceBeforeTiming;
    // The title the window had before a note was put in front of it.
    std::optional<std::string> titleBeforeNote;
    // The point editor, made when first opened, and the markers of the points it shows.
    std::unique_ptr<FormPointEditor> pointEditor;
    std::vector<std::unique_ptr<PointMarker>> pointMarkers;
    bool editingPoints = false;
    // Present while the next click anywhere is taken as a place instead of a recording.
    struct ClickPick {
        std::function<void(int x, int y)> taken;
        std::function<void()> cancelled;
    };
    std::optional<ClickPick> clickPick;
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
    // The settings file refused a value (app/settings_notice.cpp): the user is told once,
    // as soon as no scan or recording is going on, or at the close.
    std::optional<std::string> settingsNotice;
    void settingsUnwritable(const std::string& file, ProfileWriteError why);
    void tellSettingsNotice();
    bool askYesNo(const std::string& text);
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
    void menuPointsFollowTheirWindowClick();
    void menuPointScanningClick();
    void menuGroupScanningClick();
    void menuScanTimingClick();
    void menuSayEachPointsNameClick();
    void menuWaitUntilSaidClick();
    void menuRecordByPointScanningClick();
    void menuCheckPointBeforeClickClick();

    // --- Languages (lang/) ---
    void MenuCatalaClick();
    void MenuCastellanoClick();
    void MenuEuskeraClick();
    void MenuGalegoClick();
    void MenuPortuguesClick();
    void MenuEnglishClick();
    void MenuFrancesClick();
    void applyLanguage(int language);
    int activeLanguage() const;

    // --- Point set and scan files (points/) ---
    void MenuNuevoClick();
    void MenuAbrirClick();
    void MenuGuardarClick();
    void LoadScanFile(const std::string& name);
    void noteRecordedTitle(int x, int y);
    std::optional<std::string> MatchScanFile();
    // Points that follow their window (points/window_follow.cpp).
    void noteWindowOfPoint(int index, int x, int y);
    // The window a point placed at (x, y) follows: the one there when points follow their
    // window, none otherwise.
    std::optional<RecordedWindow> windowToNote(int x, int y);
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
    void hookReportArrived();
    bool pollMailboxNow();
    // At the starts and the stop: "KEYBOARD" at rest in the file, and every report of the
    // hook library not acted on yet let go.
    void resetMailbox();

    // --- The point editor (points/point_editing.cpp) ---
    void menuEditPointsClick();
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
    // A recording survives a crash (record/recording_recovery.cpp).
    void keepRecording();
    void dropRecording();
    void offerRecoveredRecording();
    void recordSwitchPress();
    // Names at recording (record/point_naming.cpp).
    void askNameOfPoint(int index, int x, int y);
    void takeNamesOfPoints(uint32_t waitMs);
    // The look-ups still under way are awaited for a short while at most, at the end of a
    // recording and again when its points are saved; anything else that replaces or
    // reorders the points forgets them.
    void awaitNamesOfPoints();
    void forgetNameRequests();
    // A point the editor placed by a click is named as a recorded one, when names are taken.
    void nameEditedPoint(int index, int x, int y);

    // --- Scanning (scan/) ---
    void MenuEjecutarClick();
    void MenuPararClick();
    void ApplicationActivate();
    void TimerEscaneigTimer();
    // The scan timer's own step: the beep of its option, then the step.
    void timedStep();
    void ScanStep();
    void SendClick();
    void sendStroke(uint8_t vk);
    void sendAltTab();
    void switchClick();
    // The bracketed click (or Return) at the pointer, after the minimum interval let it through.
    void clickAtPointer();
    bool pressTooSoon();
    void placePointer(int x, int y);
    // Points off every screen (scan/off_screen.cpp).
    bool pointOnScreen(int index);
    void sayPointOffScreen();
    bool vistaVariant() const;
    bool programWindowInFront() const;
    bool scanningAutomatically() const;

    // --- The order of scanning (scan/group_scanning.cpp, scan/scan_press.cpp) ---
    void startScanEngine();
    // The next step's item, taken from the engine; the scan timer follows its stay.
    ScanEngine::Lit stepScanEngine();
    // A key chose the point that the next step visits.
    void choosePoint(int32_t index);
    std::vector<std::vector<int>> groupsWherePointsStand();
    void showLitGroup(const ScanEngine::Lit& lit);
    void hideGroupFrame();
    // The point lit again after a press judged at an earlier moment.
    void showPointAgain(int32_t index);
    void setScanInterval(unsigned ms);
    void restorePace();
    // The switch during execution: a click, or what a press does among groups.
    void scanPress(uint32_t madeAt);
    void followPress(const ScanEngine::PressResult& result);

    // --- Saying the lit point (scan/step_speaking.cpp) ---
    bool sayingNames() const;
    void startSpeaking();
    void sayLitPoint(int index, bool beeped);
    void sayLitGroup(int first, int last, bool beeped);
    bool stepWaitsForSpeech();
    void speechWaitTick();

    // --- Point scanning (scan/point_scanning.cpp) ---
    bool pointScanningInExecution();
    void beginPointScanning();
    void endPointScanning();
    void pointScanningPress();
    void showSweepLines();
    void pointSweepTick();

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
    void clickWarningTick();

    // --- About box and help (about/) ---
    void MenuAyudaClick();
};

}  // namespace zv
