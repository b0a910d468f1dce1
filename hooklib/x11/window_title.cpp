#include "window_title.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <vector>

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

bool hasProperty(Display* dpy, Window w, Atom property) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const int status =
        XGetWindowProperty(dpy, w, property, 0, 0, False, AnyPropertyType, &type, &format, &count, &after, &data);
    if (data) XFree(data);
    return status == Success && type != None;
}

std::vector<Window> clientList(Display* dpy) {
    std::vector<Window> clients;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const Atom list = XInternAtom(dpy, "_NET_CLIENT_LIST", False);
    if (XGetWindowProperty(dpy, DefaultRootWindow(dpy), list, 0, 1 << 16, False, XA_WINDOW, &type, &format,
                           &count, &after, &data) == Success &&
        data && type == XA_WINDOW && format == 32) {
        // Format 32 properties arrive as longs, whatever the size of long.
        const unsigned long* ids = reinterpret_cast<const unsigned long*>(data);
        clients.assign(ids, ids + count);
    }
    if (data) XFree(data);
    return clients;
}

// The window that the user sees as the application: the first window on the way down to
// the pointer that the window manager has marked as its client (WM_STATE), else one that
// it lists as a client, else the root's child itself (no window manager, or a window that
// none manages).
Window clientWindowAt(Display* dpy, int x, int y) {
    const Window top = childAt(dpy, DefaultRootWindow(dpy), x, y);
    if (top == None) return None;

    const Atom wmState = XInternAtom(dpy, "WM_STATE", False);
    std::vector<Window> chain;
    for (Window w = top; w != None && chain.size() < 32; w = childAt(dpy, w, x, y)) {
        if (hasProperty(dpy, w, wmState)) return w;
        chain.push_back(w);
    }
    const std::vector<Window> clients = clientList(dpy);
    for (Window w : chain)
        if (std::find(clients.begin(), clients.end(), w) != clients.end()) return w;
    return top;
}

std::string latin1ToUtf8(const unsigned char* text, size_t length) {
    std::string out;
    for (size_t i = 0; i < length; ++i) {
        const unsigned char c = text[i];
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// The title as UTF-8: the EWMH name when the window has one, else the ICCCM name in
// whatever encoding it was set.
std::string titleUtf8(Display* dpy, Window w) {
    const Atom netName = XInternAtom(dpy, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(dpy, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(dpy, w, netName, 0, 1 << 16, False, utf8, &type, &format, &count, &after, &data) ==
            Success &&
        data && type == utf8 && format == 8) {
        title.assign(reinterpret_cast<const char*>(data), count);
        XFree(data);
        return title;
    }
    if (data) XFree(data);

    XTextProperty name{};
    if (!XGetWMName(dpy, w, &name) || !name.value) return {};
    if (name.encoding == XA_STRING) {
        title = latin1ToUtf8(name.value, name.nitems);
    } else {
        char** list = nullptr;
        int parts = 0;
        if (Xutf8TextPropertyToTextList(dpy, &name, &list, &parts) >= Success && list) {
            for (int i = 0; i < parts; ++i) title += list[i];
            XFreeStringList(list);
        }
    }
    XFree(name.value);
    return title;
}

}  // namespace

std::string topLevelTitleAt(Display* dpy, int x, int y) {
    const Window client = clientWindowAt(dpy, x, y);
    if (client == None) return {};
    return utf8ToCp1252(titleUtf8(dpy, client));
}

}  // namespace zv::hooklib
