// The title of the application window under a point, for the recording hook.
#include "window_title.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <vector>

#include "common/properties.h"
#include "platform/text.h"

namespace zv::hooklib {

namespace {

// The mapped child of `parent` that contains the root position, or None.
Window childAt(Display* dpy, Window parent, int x, int y) {
    int localX = 0, localY = 0;
    Window child = None;
    if (!XTranslateCoordinates(dpy, DefaultRootWindow(dpy), parent, x, y, &localX, &localY, &child))
        return None;
    return child;
}

// The window that the user sees as the application: the first window on the way down to
// the pointer that the window manager has marked as its client (WM_STATE), else one that
// it lists as a client, else the root's child itself (no window manager, or a window that
// none manages).
Window clientWindowAt(Display* dpy, int x, int y) {
    const Window top = childAt(dpy, DefaultRootWindow(dpy), x, y);
    if (top == None) return None;

    std::vector<Window> chain;
    for (Window w = top; w != None && chain.size() < 32; w = childAt(dpy, w, x, y)) {
        if (x11::propertyLongs(dpy, w, "WM_STATE")) return w;
        chain.push_back(w);
    }
    const auto clients = x11::propertyLongs(dpy, DefaultRootWindow(dpy), "_NET_CLIENT_LIST");
    for (Window w : chain)
        if (clients && std::find(clients->begin(), clients->end(), w) != clients->end()) return w;
    return top;
}

}  // namespace

std::string topLevelTitleAt(Display* dpy, int x, int y) {
    const Window client = clientWindowAt(dpy, x, y);
    if (client == None) return {};
    return utf8ToCp1252(x11::windowTitleUtf8(dpy, client).value_or(std::string()));
}

}  // namespace zv::hooklib
