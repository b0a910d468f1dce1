#include "backends/sim/accessibility.h"

#include <algorithm>

#include "backends/sim/clock_and_timers.h"
#include "backends/sim/desktop.h"
#include "backends/sim/trace.h"
#include "backends/sim/unicode_text.h"

namespace zv::sim {

void SimAccessibility::name(WindowId window, const Rect& region, const std::string& name) {
    regions_.push_back({window, region, name});
}

void SimAccessibility::answerAfter(WindowId window, std::optional<uint32_t> ms) { delays_[window] = ms; }

std::optional<uint32_t> SimAccessibility::request(WindowId window, int x, int y) {
    if (!present) return std::nullopt;
    const uint32_t id = next_++;
    std::string name;
    if (const SimWindow* w = desktop_.find(window); w && w->foreign()) {
        const int rx = x - w->rect.left, ry = y - w->rect.top;
        for (auto it = regions_.rbegin(); it != regions_.rend(); ++it) {
            const Rect& r = it->rect;
            if (it->window == window && rx >= r.left && ry >= r.top && rx < r.left + r.width && ry < r.top + r.height) {
                name = it->name;
                break;
            }
        }
    }
    const auto delay = delays_.count(window) ? delays_[window] : std::optional<uint32_t>(0);
    trace_("the accessibility layer is asked about " + desktop_.describe(window) + " at " + std::to_string(x) + " " +
           std::to_string(y) + (delay ? "" : ", which never answers"));
    if (delay) waiting_.push_back({clock_.now() + *delay, {id, name}});
    return id;
}

std::vector<AccessibleNameAnswer> SimAccessibility::answers() {
    std::vector<AccessibleNameAnswer> out;
    const uint32_t now = clock_.now();
    auto due = [now](const Waiting& w) { return tickDiff(now, w.due) >= 0; };
    for (const Waiting& w : waiting_)
        if (due(w)) {
            trace_("the accessibility layer answers \"" + scenarioFromUtf8(w.answer.name) + "\"");
            out.push_back(w.answer);
        }
    waiting_.erase(std::remove_if(waiting_.begin(), waiting_.end(), due), waiting_.end());
    return out;
}

}  // namespace zv::sim
