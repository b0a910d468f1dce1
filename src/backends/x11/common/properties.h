#pragma once
// Window properties and the window manager, over any Xlib connection of ours: the
// desktop's and the hook library's.

#include <optional>
#include <string>
#include <vector>

#include <X11/Xlib.h>

namespace zv::x11 {

Atom atom(Display* d, const char* name);

// The 32-bit items (windows, atoms, cardinals) of a property; nothing when it is absent
// or of another format.
std::optional<std::vector<unsigned long>> propertyLongs(Display* d, Window w, const char* name);
// The bytes of an 8-bit property and its type.
std::optional<std::string> propertyBytes(Display* d, Window w, const char* name, Atom* type = nullptr);

// The window manager's supported hints, read once.
bool wmSupports(Display* d, const char* hint);

// Sends a client message about window w to the root window, as EWMH asks.
void sendRootMessage(Display* d, Window w, const char* type, long a0, long a1 = 0, long a2 = 0, long a3 = 0,
                     long a4 = 0);

// The client window (the one holding WM_STATE) inside w or w itself; None when w holds
// none and is not one.
Window clientWindowOf(Display* d, Window w);

// The title of a window in UTF-8: its EWMH name when it has one, else its ICCCM name in
// whatever encoding that was set; nothing when it has neither.
std::optional<std::string> windowTitleUtf8(Display* d, Window w);

}  // namespace zv::x11
