// Names of elements through AT-SPI. The look-up goes straight to the application that owns
// the window (its process), so that no other application, silent or busy, is asked; in it,
// to the window whose extents hold the point, then down through the element at the point
// to the deepest one. Its name is the answer, else the name of the nearest element above
// it that has one, below the window itself (whose name is its title: the program then
// names the point after the title and its number).

#include "backends/x11/atspi_names.h"

#include <atspi/atspi.h>

#include "backends/x11/loaded_library.h"

namespace zv::x11 {

namespace {
// How long one call may wait for an application's answer.
constexpr int kCallTimeoutMs = 700;
// Elements are seldom nested deeper; a tree that says otherwise loops.
constexpr int kDeepest = 40;
}  // namespace

struct AtspiNames::Layer {
    LoadedLibrary library{"libatspi.so.0"};
    decltype(&atspi_init) init = nullptr;
    decltype(&atspi_set_timeout) setTimeout = nullptr;
    decltype(&atspi_set_main_context) setMainContext = nullptr;
    decltype(&atspi_get_a11y_bus) bus = nullptr;
    decltype(&atspi_get_desktop) desktop = nullptr;
    decltype(&atspi_accessible_get_child_count) childCount = nullptr;
    decltype(&atspi_accessible_get_child_at_index) child = nullptr;
    decltype(&atspi_accessible_get_process_id) processId = nullptr;
    decltype(&atspi_accessible_get_name) name = nullptr;
    decltype(&atspi_accessible_get_parent) parent = nullptr;
    decltype(&atspi_accessible_get_role) role = nullptr;
    decltype(&atspi_accessible_get_component_iface) component = nullptr;
    decltype(&atspi_component_get_extents) extents = nullptr;
    decltype(&atspi_component_get_accessible_at_point) atPoint = nullptr;
    decltype(&g_object_unref) unref = nullptr;
    decltype(&g_free) free = nullptr;
    decltype(&g_clear_error) clearError = nullptr;
    decltype(&g_main_context_new) newContext = nullptr;
    bool complete = false;

    Layer() {
        complete = library.find(init, "atspi_init") && library.find(setTimeout, "atspi_set_timeout") &&
                   library.find(setMainContext, "atspi_set_main_context") &&
                   library.find(bus, "atspi_get_a11y_bus") &&
                   library.find(desktop, "atspi_get_desktop") &&
                   library.find(childCount, "atspi_accessible_get_child_count") &&
                   library.find(child, "atspi_accessible_get_child_at_index") &&
                   library.find(processId, "atspi_accessible_get_process_id") &&
                   library.find(name, "atspi_accessible_get_name") &&
                   library.find(parent, "atspi_accessible_get_parent") &&
                   library.find(role, "atspi_accessible_get_role") &&
                   library.find(component, "atspi_accessible_get_component_iface") &&
                   library.find(extents, "atspi_component_get_extents") &&
                   library.find(atPoint, "atspi_component_get_accessible_at_point") &&
                   library.find(unref, "g_object_unref") && library.find(free, "g_free") &&
                   library.find(clearError, "g_clear_error") && library.find(newContext, "g_main_context_new");
    }

    // Connects to the accessibility bus with a main context of this thread's own, which
    // no other thread (Qt's included) ever dispatches. Without a bus nothing else may be
    // called: the library ends the process when asked about a bus it does not have.
    bool start() {
        if (!bus()) return false;
        setMainContext(newContext());
        if (init() > 1) return false;
        setTimeout(kCallTimeoutMs, kCallTimeoutMs * 4);
        return true;
    }

    std::string nameOf(AtspiAccessible* a) {
        GError* error = nullptr;
        gchar* text = name(a, &error);
        clearError(&error);
        std::string out = text ? text : "";
        free(text);
        return out;
    }

    bool holds(AtspiAccessible* a, int x, int y) {
        AtspiComponent* c = component(a);
        if (!c) return false;
        GError* error = nullptr;
        AtspiRect* r = extents(c, ATSPI_COORD_TYPE_SCREEN, &error);
        clearError(&error);
        unref(c);
        const bool inside = r && x >= r->x && y >= r->y && x < r->x + r->width && y < r->y + r->height;
        free(r);
        return inside;
    }

    // The window of the process that holds the point, the one of that title first.
    AtspiAccessible* windowOf(unsigned long pid, const std::string& title, int x, int y,
                              const std::atomic<bool>& stopping) {
        AtspiAccessible* root = desktop(0);
        GError* error = nullptr;
        const int applications = childCount(root, &error);
        clearError(&error);
        AtspiAccessible* found = nullptr;
        for (int i = 0; i < applications && !found && !stopping; ++i) {
            AtspiAccessible* app = child(root, i, &error);
            clearError(&error);
            if (!app) continue;
            // Answered by the bus, not by the application.
            const guint owner = processId(app, &error);
            clearError(&error);
            if (owner == pid) {
                const int windows = childCount(app, &error);
                clearError(&error);
                AtspiAccessible* holding = nullptr;
                for (int k = 0; k < windows && !found && !stopping; ++k) {
                    AtspiAccessible* w = child(app, k, &error);
                    clearError(&error);
                    if (!w) continue;
                    if (!holds(w, x, y)) {
                        unref(w);
                    } else if (nameOf(w) == title) {
                        found = w;
                    } else if (!holding) {
                        holding = w;
                    } else {
                        unref(w);
                    }
                }
                if (!found) found = holding;
                else if (holding) unref(holding);
            }
            unref(app);
        }
        unref(root);
        return found;
    }

    std::string nameAt(AtspiAccessible* window, int x, int y, const std::atomic<bool>& stopping) {
        // The references this look-up takes, given back at its end (the window is not one).
        std::vector<AtspiAccessible*> held;
        AtspiAccessible* deepest = window;
        for (int depth = 0; depth < kDeepest && !stopping; ++depth) {
            AtspiComponent* c = component(deepest);
            if (!c) break;
            GError* error = nullptr;
            AtspiAccessible* inner = atPoint(c, x, y, ATSPI_COORD_TYPE_SCREEN, &error);
            clearError(&error);
            unref(c);
            if (!inner) break;
            held.push_back(inner);
            if (inner == deepest) break;
            deepest = inner;
        }
        std::string out;
        AtspiAccessible* at = deepest;
        for (int depth = 0; at != window && depth < kDeepest && !stopping; ++depth) {
            GError* error = nullptr;
            const AtspiRole r = role(at, &error);
            clearError(&error);
            // Outside the window: the application, the desktop.
            if (r == ATSPI_ROLE_APPLICATION || r == ATSPI_ROLE_DESKTOP_FRAME) break;
            out = nameOf(at);
            if (!out.empty()) break;
            AtspiAccessible* up = parent(at, &error);
            clearError(&error);
            if (!up) break;
            held.push_back(up);
            at = up;
        }
        for (AtspiAccessible* a : held) unref(a);
        return out;
    }
};

AtspiNames::~AtspiNames() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    // A look-up under way ends within one call's time limit.
    if (worker_.joinable()) worker_.join();
}

void AtspiNames::ready() {
    std::lock_guard lock(mutex_);
    if (!worker_.joinable()) worker_ = std::thread([this] { run(); });
}

std::optional<uint32_t> AtspiNames::request(unsigned long pid, const std::string& title, int x, int y) {
    ready();
    std::lock_guard lock(mutex_);
    if (unavailable_ || pid == 0) return std::nullopt;
    const uint32_t id = next_++;
    queue_.push_back({id, pid, title, x, y});
    wake_.notify_all();
    return id;
}

std::vector<AccessibleNameAnswer> AtspiNames::answers() {
    std::lock_guard lock(mutex_);
    std::vector<AccessibleNameAnswer> out;
    out.swap(answers_);
    return out;
}

void AtspiNames::run() {
    Layer layer;
    const bool ready = layer.complete && layer.start();
    {
        // Without the layer, later look-ups are not even asked for.
        std::lock_guard lock(mutex_);
        unavailable_ = !ready;
    }
    for (;;) {
        Request r;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (stopping_) return;
            r = queue_.front();
            queue_.pop_front();
        }
        std::string name;
        if (ready) {
            if (AtspiAccessible* window = layer.windowOf(r.pid, r.title, r.x, r.y, stopping_)) {
                name = layer.nameAt(window, r.x, r.y, stopping_);
                layer.unref(window);
            }
        }
        std::lock_guard lock(mutex_);
        answers_.push_back({r.id, name});
    }
}

}  // namespace zv::x11

// The port's side: the window's process and title are read here, on our own connection.
#include <unistd.h>

#include "backends/x11/x11_platform.h"
#include "common/properties.h"

namespace zv::x11 {

void X11Platform::readyAccessibility() { accessibility_->ready(); }

std::optional<uint32_t> X11Platform::requestAccessibleName(WindowId w, int x, int y) {
    const auto pid = propertyLongs(display_, static_cast<Window>(w), "_NET_WM_PID");
    // A window that does not say its process cannot be found among the applications.
    if (!pid || pid->empty() || (*pid)[0] == static_cast<unsigned long>(getpid())) return std::nullopt;
    return accessibility_->request((*pid)[0], windowTitleUtf8(display_, static_cast<Window>(w)).value_or(""), x, y);
}

std::vector<AccessibleNameAnswer> X11Platform::accessibleNames() { return accessibility_->answers(); }

}  // namespace zv::x11
