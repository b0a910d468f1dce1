// The main program block: the start-up sequence, in its order.

#include "app/program.h"

#include "about/about_box.h"
#include "app/form_principal.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "app/title.h"
#include "feedback/form_transparent.h"
#include "feedback/group_frame.h"
#include "feedback/form_copiar_un_tros_de_pantalla.h"
#include "feedback/sweep_line.h"
#include "lang/captions.h"
#include "platform/numbers.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "points/window_matching.h"
#include "record/form_mouse.h"
#include "record/form_screen.h"
#include "scan/scan_timing_dialog.h"

namespace zv {

Program::Program(Platform& platform) : platform_(platform), app_(platform) {}

Program::~Program() = default;

namespace {

// "GRANDARIAX", "GRANDARIAY": a whole decimal number above 20, else the default.
int32_t frameExtent(const char* key, const char* defaultText, int32_t fallback) {
    const auto value = wholeDecimal(settings::read(keys::kSectionLibrary, key, defaultText));
    return value && *value > 20 ? *value : fallback;
}

std::string joinArguments(const std::vector<std::string>& args) {
    std::string line;
    for (const auto& a : args) line += a + " ";
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

// How long a start waits for a copy that is still starting to name its window: its splash
// alone takes a second.
constexpr uint32_t kStartingCopyWaitMs = 10000;
constexpr unsigned kStartingCopyPollMs = 50;
// As many characters of a title as the single-instance check reads.
constexpr int kTitleChars = 254;

bool holdsMarker(const std::string& title) { return !title.empty() && title.find(titleMarker()) != std::string::npos; }

}  // namespace

std::optional<WindowId> Program::otherInstance() {
    if (WindowId running = FindWindowByTitle(platform_, titleMarker())) return running;
    // The desktop's claim also sees a copy still starting, before its window can be found,
    // and one whose window a desktop does not list while hidden (X11, while it scans).
    const uint32_t since = platform_.tickCount();
    while (!platform_.claimInstance()) {
        if (WindowId named = platform_.instanceWindow()) {
            // Its title decides, as for any window: once a recording has taken the marker
            // out of it, another copy may start.
            if (holdsMarker(platform_.windowText(named, kTitleChars))) return named;
            return std::nullopt;
        }
        // A copy that never gets as far as its window is still a copy: no second one.
        if (static_cast<uint32_t>(platform_.tickCount() - since) >= kStartingCopyWaitMs) return WindowId{0};
        platform_.sleep(kStartingCopyPollMs);
    }
    return std::nullopt;
}

bool Program::start(const std::vector<std::string>& args) {
    using namespace keys;

    // 1. One instance: a second start only brings the first to the front.
    if (const std::optional<WindowId> running = otherInstance()) {
        if (*running) platform_.setForegroundWindow(*running);
        return false;
    }
    started_ = true;

    // 2. The windows, the main window first.
    principal_ = std::make_unique<FormPrincipal>(app_);
    about_ = std::make_unique<AboutBox>(app_);
    transparent_ = std::make_unique<FormTransparent>(app_);
    sizeChoice_ = std::make_unique<FormCopiarUnTrosDePantalla>(app_, *transparent_);
    screen_ = std::make_unique<FormScreen>(app_, *principal_);
    mouse_ = std::make_unique<FormMouse>(app_, *principal_);
    FormPrincipal& main = *principal_;
    main.aboutBox = about_.get();
    main.formTransparent = transparent_.get();
    main.formCopiarUnTrosDePantalla = sizeChoice_.get();
    main.formScreen = screen_.get();
    main.formMouse = mouse_.get();
    for (Form* f : std::initializer_list<Form*>{principal_.get(), about_.get(), transparent_.get(), sizeChoice_.get(),
                                                screen_.get(), mouse_.get()})
        app_.create(*f);
    // The lines of point scanning, after every window the program always had.
    lineVertical_ = std::make_unique<SweepLine>(app_, SweepLine::Direction::Vertical);
    lineHorizontal_ = std::make_unique<SweepLine>(app_, SweepLine::Direction::Horizontal);
    main.verticalLine = lineVertical_.get();
    main.horizontalLine = lineHorizontal_.get();
    app_.create(*lineVertical_);
    app_.create(*lineHorizontal_);
    // From here on the settings file is read and written: what it refuses is kept in
    // memory, and the user is told.
    settings::beginRun([&main](const std::string& file, ProfileWriteError why) { main.settingsUnwritable(file, why); });
    // Then the frame of group scanning and the dialog of the scan's timing.
    groupFrame_ = std::make_unique<GroupFrame>(app_);
    timingDialog_ = std::make_unique<ScanTimingDialog>(app_);
    main.groupFrame = groupFrame_.get();
    main.scanTimingDialog = timingDialog_.get();
    app_.create(*groupFrame_);
    app_.create(*timingDialog_);

    // 3. Frame size.
    const std::string size = settings::read(kSectionLibrary, kFrameSize, "3");
    if (size == "1") {
        main.MenuPequenyoClick();
    } else if (size == "2") {
        main.MenuMedianoClick();
    } else if (size == "4") {
        transparent_->GrandariaX = frameExtent(kFrameWidth, "100", 100);
        transparent_->GrandariaY = frameExtent(kFrameHeight, "200", 200);
        main.MenuPequenyo.setChecked(false);
        main.MenuMediano.setChecked(false);
        main.MenuGrande.setChecked(false);
        main.MenuEscogerTamanyo.setChecked(true);
        transparent_->setFrameSize(transparent_->GrandariaX, transparent_->GrandariaY);
        transparent_->ActualitzarRegio();
    }

    // 4. The size-choice window opens at the last chosen size.
    sizeChoice_->setClientSize(transparent_->GrandariaX - 17, transparent_->GrandariaY - 17);
    sizeChoice_->setCaption("");

    // 5. Frame colour; anything but a whole decimal number keeps the built-in red.
    if (auto colour = wholeDecimal(settings::read(kSectionLibrary, kColorRead, "255")); colour && *colour != 255)
        transparent_->setBarColour(*colour);

    // 6. The splash: the About box for one second, without its button row.
    const int aboutHeight = about_->height();
    about_->OKButton.setVisible(false);
    about_->setHeight(aboutHeight - 28);
    about_->show();
    about_->Timer1.setOn(false);
    main.SpinDelay(1000);
    about_->hide();
    about_->setHeight(aboutHeight);
    about_->OKButton.setVisible(true);

    // 7. Becoming the active application stops execution.
    app_.onActivate = [&main] { main.ApplicationActivate(); };
    app_.onHookReport = [&main] { main.hookReportArrived(); };

    // 8.
    main.show();
    platform_.announceInstanceWindow(main.windowId());

    // 9. Scan step.
    const std::string step = settings::read(kSectionOptions, kScanStep, "12");
    const int32_t n = leadingInteger(step);
    main.SpinEditTempsTimer.setText(n >= 1 && n <= 100 ? step : "12");
    main.TimerEscaneig.setInterval(static_cast<unsigned>(leadingInteger(main.SpinEditTempsTimer.text())) * 100);

    // 10 to 12.
    if (settings::isOn(kSectionOptions, kSearchScanFile, kOn)) main.MenuEnEjecucinBuscarFicheroDeBarrido.setChecked(true);
    if (settings::isOn(kSectionOptions, kDirectedScanning, kOn)) {
        main.MenuBarridoDirigido.setChecked(true);
        main.MenuAccederAPosicionesPorTeclado.setChecked(true);
        main.MenuClicAutomticoAlAccederPorTeclado.setEnabled(true);
    }
    if (settings::isOn(kSectionOptions, kAutoClick, kOn)) main.MenuClicAutomticoAlAccederPorTeclado.setChecked(true);

    // 13. Click interval.
    const std::string interval = settings::read(kSectionOptions, kClickInterval, "10");
    const int32_t m = leadingInteger(interval);
    main.SpinEditIntervalTempsEntreClics.setText(m >= 0 && m <= 100 ? interval : "10");
    main.ClickInterval = leadingInteger(main.SpinEditIntervalTempsEntreClics.text()) * 100;

    // 14 to 16.
    if (settings::isOn(kSectionOptions, kTabsAndReturn, kOn)) main.MenuEnviarTabsYReturn.setChecked(true);
    if (settings::isOn(kSectionOptions, kTrackingFrame, kOn)) main.MenuActivarQuadroSeguimientoMouse.setChecked(true);
    if (settings::isOn(kSectionOptions, kBeep, kOn)) main.MenuEnEscaneigFerSonarUnBeep.setChecked(true);

    // 17. Language.
    if (int language = lang::restoredLanguage(settings::read(kSectionOptions, kLanguage, "NO")); language >= 0)
        main.applyLanguage(language);

    // 18. Window size; the window always stands at the top right.
    if (auto width = wholeInteger(settings::read(kSectionWindow, kWidth, "-1")); width && *width >= 0) {
        main.setWidth(*width);
        main.setLeft(platform_.primaryScreenSize().width - *width);
        if (auto height = wholeInteger(settings::read(kSectionWindow, kHeight, "-1")); height && *height >= 0)
            main.setHeight(*height);
    }

    // The help entry shows where the desktop installed the carers' help.
    if (platform_.installedHelp()) main.MenuAyuda.setVisible(true);

    // The further options.
    if (settings::isOn(kSectionOptions, kPointsFollowWindow, kOn)) main.menuPointsFollowTheirWindow.setChecked(true);
    if (settings::isOn(kSectionOptions, kPointScanning, kOn)) main.menuPointScanning.setChecked(true);
    if (settings::isOn(kSectionOptions, kGroupScanning, kOn)) main.menuGroupScanning.setChecked(true);
    timingDialog_->loadStored();
    if (settings::isOn(kSectionOptions, kSayPointNames, kOn)) main.menuSayEachPointsName.setChecked(true);
    if (settings::isOn(kSectionOptions, kWaitForSpeech, kOn)) main.menuWaitUntilSaid.setChecked(true);
    main.menuWaitUntilSaid.setEnabled(main.menuSayEachPointsName.checked());
    if (settings::isOn(kSectionOptions, kCheckPointBeforeClick, kOn)) main.menuCheckPointBeforeClick.setChecked(true);

    // 19.
    if (settings::isOn(kSectionOptions, kWindowsVista, kVistaOn)) main.MenuWindowsVistaClick();

    // 20. The About box's title is the system's version.
    const VersionInfo v = platform_.version();
    about_->setCaption(std::to_string(v.major) + "-" + std::to_string(v.minor) + "-" + std::to_string(v.build) + "-" +
                       std::to_string(v.platformId) + "-" + v.servicePack);

    // A recording that a crash cut short: its points back, or away.
    main.offerRecoveredRecording();

    // 21. Command line.
    const std::string line = joinArguments(args);
    if (line == "INTERCANVIARBOTONSDELARATA") {
        main.MenuIntercambiarBotonesMouse.setChecked(true);
    } else if (!line.empty()) {
        main.SpinDelay(100);
        app_.dispatch([&main, &line] { main.LoadScanFile(line); });
    }
    return true;
}

std::optional<std::string> Program::stateField(const std::string& name) const {
    if (!principal_) return std::nullopt;
    const FormPrincipal& m = *principal_;
    auto flag = [](bool b) { return std::string(b ? "1" : "0"); };
    if (name == "PointCount") return std::to_string(m.points.PointCount);
    if (name == "CurrentPoint") return std::to_string(m.points.CurrentPoint);
    if (name == "mode") return std::to_string(static_cast<int>(m.mode));
    if (name == "HookInstalled") return flag(m.HookInstalled);
    if (name == "ShowOnStop") return flag(m.ShowOnStop);
    if (name == "FirstStep") return flag(m.FirstStep);
    if (name == "NextClickTick") return std::to_string(m.NextClickTick);
    if (name == "ClickInterval") return std::to_string(m.ClickInterval);
    if (name == "LastWindowTitle") return utf8ToCp1252(m.LastWindowTitle);
    if (name == "PressTick") return std::to_string(m.pressTick);
    return std::nullopt;
}

std::optional<std::pair<int, int>> Program::point(int index) const {
    if (!principal_ || index < 0 || index >= PointSet::kCapacity) return std::nullopt;
    return principal_->points.Points[static_cast<size_t>(index)];
}

std::optional<std::string> Program::pointName(int index) const {
    if (!principal_ || index < 0 || index >= PointSet::kCapacity) return std::nullopt;
    return principal_->names.nameOf(index);
}

int runProgram(Platform& platform, const std::vector<std::string>& args) {
    Program program(platform);
    if (!program.start(args)) return 0;
    program.application().run();
    return 0;
}

}  // namespace zv
