// Where the windows of the simulated desktop stand: a window is on the screen while it is
// shown, as a minimised or hidden window is not on a real desktop.

#include "backends/sim/platform.h"

namespace zv::sim {

std::optional<Rect> SimPlatform::windowRect(WindowId w) {
    const SimWindow* window = desktop_.find(w);
    if (!window || !window->visible) return std::nullopt;
    return window->rect;
}

}  // namespace zv::sim
