#pragma once
// The main program block: one instance, the windows, the splash, the settings applied,
// the command line. Backends start it and then run the message loop; the simulated
// desktop drives the loop itself between the commands of a scenario.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "widgets/application.h"
#include "widgets/form.h"

namespace zv {

class Platform;
class FormPrincipal;
class AboutBox;
class FormTransparent;
class FormCopiarUnTrosDePantalla;
class FormScreen;
class FormMouse;
class SweepLine;
class GroupFrame;
class ScanTimingDialog;

class Program {
public:
    explicit Program(Platform& platform);
    ~Program();

    // Runs the start-up sequence up to the message loop. False when another instance
    // was found and brought to the front: nothing was created and the program has ended.
    bool start(const std::vector<std::string>& args);
    bool running() const { return started_ && !app_.terminated(); }

    Application& application() { return app_; }
    FormPrincipal* mainWindow() const { return principal_.get(); }

    // A run-state field of the main window as text (booleans as 0 or 1), for tests.
    std::optional<std::string> stateField(const std::string& name) const;
    // Entry I of the point set.
    std::optional<std::pair<int, int>> point(int index) const;
    // The name of point I (UTF-8), empty when it has none.
    std::optional<std::string> pointName(int index) const;

private:
    // The copy of the program this start must give way to: its main window, 0 for one that
    // has none to show; nothing when this start is to go on.
    std::optional<WindowId> otherInstance();

    Platform& platform_;
    Application app_;
    bool started_ = false;
    std::unique_ptr<FormPrincipal> principal_;
    std::unique_ptr<AboutBox> about_;
    std::unique_ptr<FormTransparent> transparent_;
    std::unique_ptr<FormCopiarUnTrosDePantalla> sizeChoice_;
    std::unique_ptr<FormScreen> screen_;
    std::unique_ptr<FormMouse> mouse_;
    std::unique_ptr<SweepLine> lineVertical_, lineHorizontal_;
    std::unique_ptr<GroupFrame> groupFrame_;
    std::unique_ptr<ScanTimingDialog> timingDialog_;
};

// What a real backend's main() does: start, then the message loop until the main window
// closes. Returns the process exit code.
int runProgram(Platform& platform, const std::vector<std::string>& args);

}  // namespace zv
