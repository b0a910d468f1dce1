#pragma once
// How the simulated world stops a scenario from deep inside the program's own code.
// Neither type derives from std::exception on purpose: the program's dispatch boundary
// turns every std::exception into the general error report and carries on, and a
// scenario failure must not be swallowed that way.

#include <string>

namespace zv::sim {

// The scenario cannot go on: an expectation failed, a dialog opened that nobody was
// going to answer, a command named something that does not exist...
struct SimFailure {
    std::string why;
};

// The scenario ran out of commands while the program was inside a nested loop (a modal
// window): the run ends there, cleanly.
struct ScenarioEnded {};

}  // namespace zv::sim
