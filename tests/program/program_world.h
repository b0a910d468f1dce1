#pragma once
// The real program on a simulated desktop of its own, for what a scenario cannot reach:
// a fresh folder (the process's current and start-up folder) with its settings file, the
// desktop, and the program once started.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/form_principal.h"
#include "app/program.h"
#include "backends/sim/environment.h"
#include "backends/sim/platform.h"

namespace zv::testing {

class ProgramWorld : public ::testing::Test {
protected:
    ProgramWorld() {
        folder = sim::makeFreshFolder("zentavoro-program-test-");
        previous = std::filesystem::current_path();
        std::filesystem::current_path(folder);
        sim::setEnvironment("ZENTAVORO_INI", (folder / "Zentavoro.ini").string());
    }
    ~ProgramWorld() override {
        program.reset();
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(folder);
    }
    // Runs the start-up with these arguments; main is the main window once it has run.
    void startProgram(const std::vector<std::string>& args) {
        program = std::make_unique<Program>(platform);
        platform.processStarted(program->application());
        ASSERT_TRUE(program->start(args));
        main = program->mainWindow();
    }

    std::filesystem::path folder, previous;
    sim::SimPlatform platform;
    std::unique_ptr<Program> program;
    FormPrincipal* main = nullptr;
};

}  // namespace zv::testing
