// Top-level windows, ours and other programs', through the window manager's EWMH
// properties where it offers them and the plain window tree where it does not.

#include <chrono>
#include <thread>

#include "backends/x11/x11_platform.h"
#include "platform/text.h"

// Xlib last: its macros (None, Bool, KeyPress...) would break the headers above.
#include "common/errors.h"
#include "common/properties.h"
#include "common/text.h"
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

namespace zv::x11 {

namespace {

std::string firstChars(const std::string& cp1252, int maxChars) {
    if (maxChars <= 0) return {};
    return cp1252.size() > static_cast<size_t>(maxChars) ? cp1252.substr(0, static_cast<size_t>(maxChars)) : cp1252;
}

}  // namespace

WindowId X11Platform::foregroundWindow() {
    if (auto active = propertyLongs(display_, DefaultRootWindow(display_), "_NET_ACTIVE_WINDOW"); active && !active->empty())
        return (*active)[0];
    // No window manager to ask: the focus, taken up to its top-level window.
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display_, &focus, &revert);
    if (focus == None || focus == PointerRoot) return 0;
    ErrorTrap trap(display_);
    Window w = focus;
    for (;;) {
        Window root = None, parent = None, *children = nullptr;
        unsigned n = 0;
        if (!XQueryTree(display_, w, &root, &parent, &children, &n)) return 0;
        if (children) XFree(children);
        if (parent == root || parent == None) break;
        w = parent;
    }
    Window client = clientWindowOf(display_, w);
    return client != None ? client : w;
}

std::string X11Platform::windowText(WindowId w, int maxChars) {
    if (w == 0) return {};
    auto text = windowTitleUtf8(display_, w);
    return text ? firstChars(utf8ToCp1252(*text), maxChars) : std::string();
}

std::string X11Platform::windowTitle(WindowId w, int maxChars) {
    if (w == 0 || maxChars <= 0) return {};
    auto text = windowTitleUtf8(display_, w);
    return text ? firstCharsUtf8(*text, static_cast<size_t>(maxChars)) : std::string();
}

std::string X11Platform::className(WindowId w, int maxChars) {
    if (w == 0) return {};
    auto bytes = propertyBytes(display_, w, "WM_CLASS");
    if (!bytes) return {};
    // "instance\0class\0": the class is the second part.
    const size_t nul = bytes->find('\0');
    if (nul == std::string::npos) return {};
    std::string cls = bytes->substr(nul + 1);
    if (auto end = cls.find('\0'); end != std::string::npos) cls.resize(end);
    return firstChars(utf8ToCp1252(latin1ToUtf8(cls)), maxChars);
}

std::vector<WindowId> X11Platform::topLevelWindows() {
    std::vector<WindowId> out;
    const Window root = DefaultRootWindow(display_);
    // Bottom to top in the property; the program wants the top first.
    if (auto list = propertyLongs(display_, root, "_NET_CLIENT_LIST_STACKING"); list && !list->empty()) {
        for (auto it = list->rbegin(); it != list->rend(); ++it) out.push_back(*it);
        return out;
    }
    Window r = None, parent = None, *children = nullptr;
    unsigned n = 0;
    ErrorTrap trap(display_);
    if (!XQueryTree(display_, root, &r, &parent, &children, &n)) return out;
    for (unsigned i = n; i-- > 0;) {
        Window client = clientWindowOf(display_, children[i]);
        out.push_back(client != None ? client : children[i]);
    }
    if (children) XFree(children);
    return out;
}

WindowId X11Platform::windowFromPoint(int x, int y) {
    const Window root = DefaultRootWindow(display_);
    // The server answers with the top-most child of the root that shows at the point,
    // shapes honoured: a click there would reach it.
    Window child = None;
    int cx = 0, cy = 0;
    if (!XTranslateCoordinates(display_, root, root, x, y, &cx, &cy, &child) || child == None) return root;
    Window client = clientWindowOf(display_, child);
    return client != None ? client : child;
}

void X11Platform::setForegroundWindow(WindowId w) {
    if (w == 0) return;
    if (wmSupports(display_, "_NET_ACTIVE_WINDOW")) {
        // Source 2: asked on the user's behalf, which window managers do not refuse as
        // they may refuse an application stealing the focus.
        sendRootMessage(display_, w, "_NET_ACTIVE_WINDOW", 2, CurrentTime, 0);
    } else {
        ErrorTrap trap(display_);
        XRaiseWindow(display_, w);
        XSetInputFocus(display_, w, RevertToParent, CurrentTime);
    }
    XFlush(display_);
}

void X11Platform::clearTitle(WindowId w) {
    if (w == 0) return;
    syncToolkit();  // after Qt's own title, not before it
    ErrorTrap trap(display_);
    const unsigned char* nothing = reinterpret_cast<const unsigned char*>("");
    XChangeProperty(display_, w, atom(display_, "_NET_WM_NAME"), atom(display_, "UTF8_STRING"), 8, PropModeReplace,
                    nothing, 0);
    XChangeProperty(display_, w, XA_WM_NAME, XA_STRING, 8, PropModeReplace, nothing, 0);
    XFlush(display_);
}

void X11Platform::keepAbove(WindowId w, bool above) {
    if (w == 0) return;
    sendRootMessage(display_, w, "_NET_WM_STATE", above ? 1 : 0, static_cast<long>(atom(display_, "_NET_WM_STATE_ABOVE")),
                    0, 2);
    XFlush(display_);
}

void X11Platform::raise(WindowId w) {
    if (w == 0) return;
    if (wmSupports(display_, "_NET_RESTACK_WINDOW")) {
        sendRootMessage(display_, w, "_NET_RESTACK_WINDOW", 2, None, Above);
    } else {
        ErrorTrap trap(display_);
        XRaiseWindow(display_, w);
    }
    XFlush(display_);
}

void X11Platform::setShape(WindowId w, const std::vector<Rect>& rects, bool whole) {
    if (w == 0) return;
    int eventBase = 0, errorBase = 0;
    if (!XShapeQueryExtension(display_, &eventBase, &errorBase)) return;
    ErrorTrap trap(display_);
    if (whole) {
        XShapeCombineMask(display_, w, ShapeBounding, 0, 0, None, ShapeSet);
        XShapeCombineMask(display_, w, ShapeInput, 0, 0, None, ShapeSet);
    } else {
        std::vector<XRectangle> xr;
        for (const Rect& r : rects) {
            if (r.width <= 0 || r.height <= 0) continue;
            xr.push_back({static_cast<short>(r.left), static_cast<short>(r.top), static_cast<unsigned short>(r.width),
                          static_cast<unsigned short>(r.height)});
        }
        // The visible shape, and the input shape too: a click in the hole goes to the
        // window underneath.
        XShapeCombineRectangles(display_, w, ShapeBounding, 0, 0, xr.data(), static_cast<int>(xr.size()), ShapeSet,
                                Unsorted);
        XShapeCombineRectangles(display_, w, ShapeInput, 0, 0, xr.data(), static_cast<int>(xr.size()), ShapeSet,
                                Unsorted);
    }
    XFlush(display_);
}

X11Platform::Extents X11Platform::frameExtents(WindowId w) {
    auto e = propertyLongs(display_, w, "_NET_FRAME_EXTENTS");
    if (!e || e->size() < 4) return {};
    return {static_cast<int>((*e)[0]), static_cast<int>((*e)[1]), static_cast<int>((*e)[2]), static_cast<int>((*e)[3]),
            true};
}

void X11Platform::waitForWindowManager() {
    // A question the window manager answers in turn: once the answer is there, it has
    // handled every event the server sent it before.
    if (!wmSupports(display_, "_NET_REQUEST_FRAME_EXTENTS")) return;
    const Window root = DefaultRootWindow(display_);
    const Window probe = XCreateSimpleWindow(display_, root, 0, 0, 1, 1, 0, 0, 0);
    sendRootMessage(display_, probe, "_NET_REQUEST_FRAME_EXTENTS", 0);
    XFlush(display_);
    for (int i = 0; i < 100 && !frameExtents(probe).known; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    XDestroyWindow(display_, probe);
    XFlush(display_);
}

X11Platform::Extents X11Platform::expectedFrameExtents(bool fixedSize) {
    Extents& cached = fixedSize ? fixedExtents_ : sizeableExtents_;
    if (cached.known) return cached;
    if (!wmSupports(display_, "_NET_REQUEST_FRAME_EXTENTS")) return {};
    // Asked about a window of our own that is never shown: the window manager answers
    // for a decorated window of that kind (and may play with it meanwhile, which the
    // program's windows are spared).
    const Window root = DefaultRootWindow(display_);
    const Window probe = XCreateSimpleWindow(display_, root, 0, 0, 100, 100, 0, 0, 0);
    if (fixedSize) {
        XSizeHints hints{};
        hints.flags = PMinSize | PMaxSize;
        hints.min_width = hints.max_width = 100;
        hints.min_height = hints.max_height = 100;
        XSetWMNormalHints(display_, probe, &hints);
    }
    sendRootMessage(display_, probe, "_NET_REQUEST_FRAME_EXTENTS", 0);
    XFlush(display_);
    for (int i = 0; i < 100 && !cached.known; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
        cached = frameExtents(probe);
    }
    XDestroyWindow(display_, probe);
    XFlush(display_);
    return cached;
}

}  // namespace zv::x11
