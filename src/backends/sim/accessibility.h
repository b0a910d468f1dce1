#pragma once
// The accessibility layer of the simulated desktop: the names that a scenario gives to
// regions of foreign windows, answered at once, later, or never (an application that
// hangs), over the virtual clock.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace zv::sim {

class Desktop;
class SimClock;
class Trace;

class SimAccessibility {
public:
    SimAccessibility(const SimClock& clock, Desktop& desktop, const Trace& trace)
        : clock_(clock), desktop_(desktop), trace_(trace) {}

    // The desktop has an accessibility layer (it has unless a scenario says otherwise).
    bool present = true;
    // A region of a foreign window, in the window's own coordinates, and its element's
    // name (UTF-8). Regions given later lie above those given before.
    void name(WindowId window, const Rect& region, const std::string& name);
    // How long the window's application takes to answer; nothing for never.
    void answerAfter(WindowId window, std::optional<uint32_t> ms);

    std::optional<uint32_t> request(WindowId window, int x, int y);
    std::vector<AccessibleNameAnswer> answers();
    // Requests not answered yet (a program that ended left them).
    void reset() { waiting_.clear(); }

private:
    struct Region {
        WindowId window;
        Rect rect;
        std::string name;
    };
    struct Waiting {
        uint32_t due;
        AccessibleNameAnswer answer;
    };
    const SimClock& clock_;
    Desktop& desktop_;
    const Trace& trace_;
    std::vector<Region> regions_;
    std::map<WindowId, std::optional<uint32_t>> delays_;
    std::vector<Waiting> waiting_;
    uint32_t next_ = 1;
};

}  // namespace zv::sim
