// The X server's time against the tick count, from one property change.
#include "server_clock.h"

#include <X11/Xatom.h>
#include <X11/extensions/XInput2.h>
#include <poll.h>

#include "common/tick_count.h"

namespace zv::hooklib {

uint32_t ServerClock::offsetFrom(uint32_t before, uint32_t server, uint32_t after) {
    const auto notBefore = [](uint32_t a, uint32_t b) { return static_cast<int32_t>(a - b) >= 0; };
    if (notBefore(server, before) && notBefore(after, server)) return 0;
    return before + (after - before) / 2 - server;
}

std::optional<Time> ServerClock::timeOf(const XGenericEventCookie& cookie) {
    switch (cookie.evtype) {
    case XI_RawKeyPress:
    case XI_RawKeyRelease:
    case XI_RawButtonPress:
    case XI_RawButtonRelease:
    case XI_RawMotion:
        return static_cast<const XIRawEvent*>(cookie.data)->time;
    case XI_KeyPress:
    case XI_KeyRelease:
    case XI_ButtonPress:
    case XI_ButtonRelease:
    case XI_Motion:
        return static_cast<const XIDeviceEvent*>(cookie.data)->time;
    case XI_HierarchyChanged:
        return static_cast<const XIHierarchyEvent*>(cookie.data)->time;
    default:
        return std::nullopt;
    }
}

void ServerClock::calibrate(Display* dpy, Window root) {
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.event_mask = PropertyChangeMask;
    const Window probe = XCreateWindow(dpy, root, -1, -1, 1, 1, 0, 0, InputOnly, CopyFromParent,
                                       CWOverrideRedirect | CWEventMask, &attributes);
    const Atom name = XInternAtom(dpy, "_ZENTAVORO_CLOCK", False);
    XSync(dpy, False);
    const uint32_t before = x11::monotonicTickCount();
    // An empty append changes nothing but is stamped all the same.
    XChangeProperty(dpy, probe, name, XA_INTEGER, 32, PropModeAppend, nullptr, 0);
    XFlush(dpy);
    XEvent event;
    bool answered = false;
    for (int waited = 0; !answered && waited < 2000; waited += 50) {
        if (XCheckTypedWindowEvent(dpy, probe, PropertyNotify, &event)) {
            answered = true;
            break;
        }
        pollfd fd{ConnectionNumber(dpy), POLLIN, 0};
        poll(&fd, 1, 50);
    }
    const uint32_t after = x11::monotonicTickCount();
    if (answered) offset_ = offsetFrom(before, static_cast<uint32_t>(event.xproperty.time), after);
    XDestroyWindow(dpy, probe);
    XSync(dpy, False);
}

}  // namespace zv::hooklib
