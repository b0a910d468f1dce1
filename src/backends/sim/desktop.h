#pragma once
// The windows of the simulated desktop: the program's forms and the foreign windows of
// the scenario, their z-order (always-on-top windows above the others), the window in
// front and the order in which windows were last active, which is what Alt+Tab follows.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "widgets/form.h"

namespace zv::sim {

class Trace;

// What a scenario drew in a foreign window: a rectangle of one colour, with a text's glyphs
// on it when it has one, in the window's own coordinates.
struct SimPaint {
    Rect rect;
    uint32_t colour = 0;   // 0xRRGGBB
    std::string text;
};

struct SimWindow {
    WindowId id = 0;
    // A foreign window's scenario name, or the form's name.
    std::string name;
    // The form behind a window of the program; null for a foreign window.
    Form* form = nullptr;
    std::string title;   // UTF-8, as the system keeps titles
    std::string className;
    Rect rect;                      // screen pixels
    int clientLeft = 0, clientTop = 0;  // where the client area starts inside rect
    bool visible = false;
    bool topmost = false;
    // Windows that never take the focus are passed over when the system picks a window.
    bool activatable = true;
    // Windows that the mouse goes through everywhere, as a layered transparent window on
    // Windows or an empty input shape on X11.
    bool passesInput = false;
    // The window's shape in client coordinates; the whole rectangle when absent.
    std::optional<std::vector<Rect>> region;
    // What a foreign window received: "press left X Y", "key VK" ...
    std::vector<std::string> received;
    // What it shows: its face, then what the scenario drew on it, in order.
    uint32_t face = 0xF0F0F0;
    std::vector<SimPaint> paints;
    // The control of a window of the program that has the keyboard, as far as the scenario
    // shows it: the one last clicked, selected, typed into or given the focus.
    Widget* keyboard = nullptr;

    bool foreign() const { return form == nullptr; }
    bool contains(int x, int y) const;
};

class Desktop {
public:
    explicit Desktop(const Trace& trace) : trace_(trace) {}

    // A foreign top-level window: shown, on top of the ordinary windows, and in front.
    WindowId addForeign(const std::string& name, const std::string& title, const std::string& className,
                        const Rect& rect);
    // The native window of a form: hidden until the form is shown.
    WindowId addProgramWindow(SimWindow window);
    void remove(WindowId id);

    SimWindow* find(WindowId id);
    const SimWindow* find(WindowId id) const;
    SimWindow* findForeign(const std::string& name);
    std::vector<SimWindow*> programWindows();

    // Top of the z-order first; hidden windows included, as EnumWindows lists them.
    const std::vector<WindowId>& zOrder() const { return z_; }
    WindowId foreground() const { return front_; }

    // Showing a window puts it on top of its band; hiding the window in front hands the
    // front to the next visible window down the z-order.
    void show(WindowId id);
    void hide(WindowId id);
    void setTopmost(WindowId id);
    // SetForegroundWindow and the user's own activation. A hidden window stays where it
    // is; the answer says whether the window is in front now.
    bool bringToFront(WindowId id);
    // The user clicking a window: the same, except for windows that never take the focus.
    void userActivate(WindowId id);

    // The top-level window under a screen point, honouring window shapes and passing
    // through windows that take no input; 0 for none.
    WindowId fromPoint(int x, int y) const;
    // Where Alt+Tab goes: the most recently active other visible window; 0 for none.
    WindowId altTabTarget() const;

    // A foreign window that holds the pointer and the keyboard (an open menu, a drag): it
    // gets every press and key wherever the pointer is; 0 for none.
    WindowId holder = 0;

    // Runs after every change of the window in front, with the old and the new one.
    std::function<void(WindowId previous, WindowId now)> onFrontChanged;

    std::string describe(WindowId id) const;

private:
    void raise(WindowId id);
    void setFront(WindowId id);

    const Trace& trace_;
    std::map<WindowId, SimWindow> windows_;
    std::vector<WindowId> z_;
    std::vector<WindowId> history_;   // least recently active first
    WindowId front_ = 0;
    WindowId nextId_ = 0x10010;
};

}  // namespace zv::sim
