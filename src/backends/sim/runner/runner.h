#pragma once
// Plays one scenario against the real program on a fresh simulated desktop: its own
// temporary folder (the current directory, holding the settings file), its own clock,
// windows and hooks. Commands run in order; a modal window of the program runs the
// commands that follow inside its own loop until it closes.

#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "app/program.h"
#include "backends/sim/platform.h"
#include "backends/sim/runner/script.h"

namespace zv::sim {

class Runner {
public:
    Runner(const Script& script, std::ostream& out, bool trace);
    ~Runner();
    Runner(const Runner&) = delete;
    Runner& operator=(const Runner&) = delete;

    // True when every expectation held; otherwise the first failure has been printed as
    // FILE:LINE: why.
    bool run();

private:
    void runCommands(const std::function<bool()>& until);
    void execute(const Command& c);
    void modal(Form& form);
    void reapEnded();

    // world_commands.cpp: setting up the world.
    bool worldCommand(const Command& c);
    void startProgram(const Command& c);
    void accessibleCommand(const Command& c);
    void speechCommand(const Command& c);
    // acting_commands.cpp: the user acting, and time passing.
    bool actingCommand(const Command& c);
    void click(const std::string& name);
    // The widget the user acts on takes the keyboard of its window.
    void giveKeyboard(Widget& w);
    void spin(const Command& c);
    void select(const Command& c);
    void type(const Command& c);
    void answer(const Command& c);
    // expect_commands.cpp
    void expectCommand(const Command& c);
    void expectWidget(const Command& c);
    bool expectWorld(const Command& c);
    bool expectRecords(const Command& c);

    // The program the scenario talks about: the newest one running, else the newest
    // one that got as far as creating its windows.
    Program* current();
    Program& runningProgram();
    Widget& widget(const std::string& name);
    WindowId windowNamed(const std::string& name);
    [[noreturn]] void fail(const std::string& why);

    const Script& script_;
    std::ostream& out_;
    // Declared before the programs: their windows unbind from it when they go.
    SimPlatform platform_;
    std::vector<std::unique_ptr<Program>> programs_;
    std::set<const Program*> ended_;
    std::filesystem::path folder_, previousDirectory_;
    size_t next_ = 0;
    int line_ = 0;
    int depth_ = 0;
};

}  // namespace zv::sim
