#pragma once
// The title of the application window at a point of the screen, as the recording hook
// reports it.

#include <X11/Xlib.h>

#include <string>

namespace zv::hooklib {

// The title, in code page 1252, of the top-level window under the root position (x, y):
// the client window that a window manager frames, or the root's child itself when no
// window manager runs. Empty when only the root window is there.
std::string topLevelTitleAt(Display* dpy, int x, int y);

}  // namespace zv::hooklib
