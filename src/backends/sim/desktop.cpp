// The virtual desktop: windows, z-order, the window in front, activation, Alt+Tab and window shapes.
#include "backends/sim/desktop.h"

#include <algorithm>

#include "backends/sim/trace.h"

namespace zv::sim {

namespace {
bool inside(const Rect& r, int x, int y) {
    return x >= r.left && y >= r.top && x < r.left + r.width && y < r.top + r.height;
}
}  // namespace

bool SimWindow::contains(int x, int y) const {
    if (!inside(rect, x, y)) return false;
    if (!region) return true;
    const int cx = x - rect.left - clientLeft, cy = y - rect.top - clientTop;
    return std::any_of(region->begin(), region->end(), [&](const Rect& r) { return inside(r, cx, cy); });
}

WindowId Desktop::addForeign(const std::string& name, const std::string& title, const std::string& className,
                             const Rect& rect) {
    SimWindow w;
    w.id = nextId_;
    nextId_ += 0x10;
    w.name = name;
    w.title = title;
    w.className = className;
    w.rect = rect;
    w.visible = true;
    windows_[w.id] = w;
    z_.push_back(w.id);
    raise(w.id);
    trace_("window " + name + " created");
    bringToFront(w.id);
    return w.id;
}

WindowId Desktop::addProgramWindow(SimWindow window) {
    window.id = nextId_;
    nextId_ += 0x10;
    window.visible = false;
    const WindowId id = window.id;
    windows_[id] = std::move(window);
    z_.push_back(id);
    raise(id);
    return id;
}

void Desktop::remove(WindowId id) {
    if (!windows_.count(id)) return;
    windows_.erase(id);
    std::erase(z_, id);
    std::erase(history_, id);
    if (front_ == id) front_ = 0;
    if (holder == id) holder = 0;
}

SimWindow* Desktop::find(WindowId id) {
    auto it = windows_.find(id);
    return it == windows_.end() ? nullptr : &it->second;
}

const SimWindow* Desktop::find(WindowId id) const {
    auto it = windows_.find(id);
    return it == windows_.end() ? nullptr : &it->second;
}

SimWindow* Desktop::findForeign(const std::string& name) {
    for (auto& [id, w] : windows_)
        if (w.foreign() && w.name == name) return &w;
    return nullptr;
}

std::vector<SimWindow*> Desktop::programWindows() {
    std::vector<SimWindow*> out;
    for (auto& [id, w] : windows_)
        if (!w.foreign()) out.push_back(&w);
    return out;
}

void Desktop::raise(WindowId id) {
    SimWindow* w = find(id);
    if (!w) return;
    std::erase(z_, id);
    auto pos = z_.begin();
    if (!w->topmost) {
        pos = std::find_if(z_.begin(), z_.end(), [this](WindowId other) { return !find(other)->topmost; });
    }
    z_.insert(pos, id);
}

void Desktop::show(WindowId id) {
    SimWindow* w = find(id);
    if (!w) return;
    w->visible = true;
    raise(id);
    trace_("shown " + w->name);
}

void Desktop::hide(WindowId id) {
    SimWindow* w = find(id);
    if (!w || !w->visible) return;
    w->visible = false;
    trace_("hidden " + w->name);
    if (front_ != id) return;
    WindowId next = 0;
    for (WindowId other : z_) {
        const SimWindow* o = find(other);
        if (other != id && o->visible && o->activatable) {
            next = other;
            break;
        }
    }
    setFront(next);
}

void Desktop::setTopmost(WindowId id) {
    SimWindow* w = find(id);
    if (!w) return;
    w->topmost = true;
    raise(id);
}

bool Desktop::bringToFront(WindowId id) {
    SimWindow* w = find(id);
    if (!w || !w->visible) return false;
    raise(id);
    setFront(id);
    return true;
}

void Desktop::userActivate(WindowId id) {
    SimWindow* w = find(id);
    if (w && w->activatable) bringToFront(id);
}

void Desktop::setFront(WindowId id) {
    const WindowId previous = front_;
    if (id) {
        std::erase(history_, id);
        history_.push_back(id);
    }
    if (previous == id) return;
    front_ = id;
    trace_("front: " + describe(id));
    if (onFrontChanged) onFrontChanged(previous, id);
}

WindowId Desktop::fromPoint(int x, int y) const {
    for (WindowId id : z_) {
        const SimWindow* w = find(id);
        if (w->visible && !w->passesInput && w->contains(x, y)) return id;
    }
    return 0;
}

WindowId Desktop::altTabTarget() const {
    auto candidate = [this](WindowId id) {
        const SimWindow* w = find(id);
        return id != front_ && w && w->visible && w->activatable;
    };
    for (auto it = history_.rbegin(); it != history_.rend(); ++it)
        if (candidate(*it)) return *it;
    for (WindowId id : z_)
        if (candidate(id)) return id;
    return 0;
}

std::string Desktop::describe(WindowId id) const {
    const SimWindow* w = find(id);
    if (!w) return id ? "window " + std::to_string(id) : "none";
    return w->name;
}

}  // namespace zv::sim
