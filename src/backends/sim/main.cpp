// zentavoro-sim: plays scenario files against the program on the simulated desktop.
//   zentavoro-sim [--trace] FILE.scn...

#include <fstream>
#include <iostream>
#include <sstream>

#include "app/title.h"
#include "backends/sim/runner/runner.h"
#include "backends/sim/runner/script.h"
#include "platform/text.h"

namespace {

bool playFile(const std::string& file, bool trace) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::cout << file << ": cannot be read\n";
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    zv::sim::Script script;
    try {
        script = zv::sim::parseScript(text.str(), file, zv::titleMarker());
    } catch (const zv::sim::ScriptError& e) {
        std::cout << file << ":" << e.line << ": cannot read this line: " << zv::cp1252ToUtf8(e.why) << "\n";
        return false;
    }
    zv::sim::Runner runner(script, std::cout, trace);
    return runner.run();
}

}  // namespace

int main(int argc, char** argv) {
    bool trace = false;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--trace") {
            trace = true;
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty()) {
        std::cerr << "usage: zentavoro-sim [--trace] FILE.scn...\n";
        return 2;
    }
    int passed = 0, failed = 0;
    for (const auto& file : files) (playFile(file, trace) ? passed : failed)++;
    std::cout << passed << " passed, " << failed << " failed" << std::endl;
    return failed == 0 ? 0 : 1;
}
