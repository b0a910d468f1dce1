#pragma once
// Reading window properties and talking to the window manager over our Xlib connection.

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

// Errors on our connection are recorded instead of ending the process (Xlib's default);
// other connections' errors go to the handler that was there before.
void installErrorHandler(Display* d);

// Whether the server reported an error for what we asked since the trap was set.
class ErrorTrap {
public:
    explicit ErrorTrap(Display* d);
    bool failed();

private:
    Display* d_;
};

}  // namespace zv::x11
