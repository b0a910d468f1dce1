#pragma once
// Small forms and a world to put them in, for the tests of the simulated desktop.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "backends/sim/environment.h"
#include "backends/sim/platform.h"
#include "widgets/application.h"

namespace zv::sim::testing {

// A borderless form at a given place, with a timer and a picture to play with.
class PlainForm : public Form {
public:
    PlainForm(Application& app, std::string name, Rect bounds = {0, 0, 100, 100})
        : Form(app, name), timer(this, name + "Timer", 100), other(this, name + "Other", 100) {
        setBounds(bounds);
        border = BorderStyle::None;
    }
    Timer timer;
    Timer other;
};

// A fresh world with its own folder (the current directory) and settings file.
class World {
public:
    World() {
        folder = makeFreshFolder("zentavoro-sim-test-");
        previous = std::filesystem::current_path();
        std::filesystem::current_path(folder);
        setEnvironment("ZENTAVORO_INI", (folder / "Zentavoro.ini").string());
    }
    ~World() {
        std::filesystem::current_path(previous);
        // Windows removes no read-only file: the files a test made read-only are made
        // writable again first.
        std::error_code ec;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ec))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(folder, ec);
    }
    std::filesystem::path folder, previous;
    SimPlatform platform;
    Application app{platform};
};

}  // namespace zv::sim::testing
