// Window properties, titles and the window manager, over any connection of ours.
#include "common/properties.h"

#include <map>
#include <mutex>

#include "common/errors.h"
#include "common/text.h"

// Xlib last: its macros (None, Bool, KeyPress...) would break the headers above.
#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace zv::x11 {

Atom atom(Display* d, const char* name) {
    // One server, one set of atoms, asked for from more than one thread.
    static std::mutex mutex;
    static std::map<std::string, Atom> cache;
    std::lock_guard lock(mutex);
    auto it = cache.find(name);
    if (it != cache.end()) return it->second;
    Atom a = XInternAtom(d, name, False);
    cache.emplace(name, a);
    return a;
}

namespace {

// One property of the window in its items of the given format, or nothing when it is
// absent, of another format, or the window has gone. The caller frees the data.
bool fetchProperty(Display* d, Window w, const char* name, int wantedFormat, unsigned char** data,
                   unsigned long* count, Atom* type) {
    int format = 0;
    unsigned long after = 0;
    *data = nullptr;
    *type = None;
    ErrorTrap trap(d);
    const int rc = XGetWindowProperty(d, w, atom(d, name), 0, 1 << 20, False, AnyPropertyType, type, &format, count,
                                      &after, data);
    if (trap.failed() || rc != Success || *type == None || format != wantedFormat) {
        if (*data) XFree(*data);
        *data = nullptr;
        return false;
    }
    return true;
}

}  // namespace

std::optional<std::vector<unsigned long>> propertyLongs(Display* d, Window w, const char* name) {
    unsigned char* data = nullptr;
    unsigned long count = 0;
    Atom type = None;
    if (!fetchProperty(d, w, name, 32, &data, &count, &type)) return std::nullopt;
    // Xlib hands 32-bit items over as longs.
    auto* items = reinterpret_cast<unsigned long*>(data);
    std::vector<unsigned long> out(items, items + count);
    XFree(data);
    return out;
}

std::optional<std::string> propertyBytes(Display* d, Window w, const char* name, Atom* typeOut) {
    unsigned char* data = nullptr;
    unsigned long count = 0;
    Atom type = None;
    if (!fetchProperty(d, w, name, 8, &data, &count, &type)) return std::nullopt;
    std::string out(reinterpret_cast<char*>(data), count);
    XFree(data);
    if (typeOut) *typeOut = type;
    return out;
}

bool wmSupports(Display* d, const char* hint) {
    // Asked each time: the window manager may come or go while we run.
    auto supported = propertyLongs(d, DefaultRootWindow(d), "_NET_SUPPORTED");
    if (!supported) return false;
    const Atom wanted = atom(d, hint);
    for (unsigned long a : *supported)
        if (a == wanted) return true;
    return false;
}

void sendRootMessage(Display* d, Window w, const char* type, long a0, long a1, long a2, long a3, long a4) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = atom(d, type);
    e.xclient.format = 32;
    e.xclient.data.l[0] = a0;
    e.xclient.data.l[1] = a1;
    e.xclient.data.l[2] = a2;
    e.xclient.data.l[3] = a3;
    e.xclient.data.l[4] = a4;
    XSendEvent(d, DefaultRootWindow(d), False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
}

namespace {

bool hasWmState(Display* d, Window w) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    int rc = XGetWindowProperty(d, w, atom(d, "WM_STATE"), 0, 0, False, AnyPropertyType, &type, &format, &count,
                                &after, &data);
    if (data) XFree(data);
    return rc == Success && type != None;
}

Window searchClient(Display* d, Window w, int depth) {
    if (hasWmState(d, w)) return w;
    if (depth > 4) return None;
    Window root = None, parent = None, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(d, w, &root, &parent, &children, &count)) return None;
    Window found = None;
    for (unsigned i = count; i-- > 0 && found == None;) found = searchClient(d, children[i], depth + 1);
    if (children) XFree(children);
    return found;
}

}  // namespace

Window clientWindowOf(Display* d, Window w) {
    ErrorTrap trap(d);
    Window c = searchClient(d, w, 0);
    return trap.failed() ? None : c;
}

namespace {

// A text property of any of the encodings X allows, in UTF-8.
std::optional<std::string> textProperty(Display* d, Window w, const char* name) {
    Atom type = None;
    auto bytes = propertyBytes(d, w, name, &type);
    if (!bytes) return std::nullopt;
    if (type == atom(d, "UTF8_STRING")) return *bytes;
    if (type == XA_STRING) return latin1ToUtf8(*bytes);
    // Compound text and the rest: Xlib knows how to turn it into UTF-8.
    XTextProperty prop{};
    prop.value = reinterpret_cast<unsigned char*>(bytes->data());
    prop.encoding = type;
    prop.format = 8;
    prop.nitems = bytes->size();
    char** list = nullptr;
    int count = 0;
    std::string out;
    if (Xutf8TextPropertyToTextList(d, &prop, &list, &count) >= Success && list) {
        for (int i = 0; i < count; ++i) out += list[i];
        XFreeStringList(list);
        return out;
    }
    return latin1ToUtf8(*bytes);
}

}  // namespace

std::optional<std::string> windowTitleUtf8(Display* d, Window w) {
    auto text = textProperty(d, w, "_NET_WM_NAME");
    if (!text) text = textProperty(d, w, "WM_NAME");
    return text;
}

}  // namespace zv::x11
