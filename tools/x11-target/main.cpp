// zentavoro-target --title TEXT --geometry WxH+X+Y --log FILE [--watch] [--button WxH+X+Y]
//
// A plain X window standing for the application that Zentavoro operates. Every button
// press and key press that reaches it is appended to the log at once, one line each:
//   press BUTTON X Y TIME   (the pointer's root coordinates, the server's time)
//   key KEYSYM TIME         (the keysym's name, e.g. "Return", "Tab", "a")
// With --watch (for the benchmarks) it also logs, in the order the server sent them:
//   motion X Y TIME         the pointer moving over the window
//   raw BUTTON TIME         any button press anywhere on the screen, whoever receives it
// With --button it draws a grey button at that place of its window (client coordinates)
// and logs a press of the left button on it, after its press line, as:
//   button X Y TIME
// It ends when its window is closed, on SIGTERM, or when the server goes away.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XInput2.h>

#include <sys/select.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

volatile std::sig_atomic_t gStop = 0;

void stop(int) { gStop = 1; }

int usage() {
    std::fprintf(stderr, "usage: zentavoro-target --title TEXT --geometry WxH+X+Y --log FILE [--watch] [--button WxH+X+Y]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string title = "zentavoro-target", logPath;
    int x = 100, y = 100;
    unsigned w = 400, h = 300;
    bool watch = false;
    bool button = false;
    int bx = 0, by = 0;
    unsigned bw = 0, bh = 0;
    for (int i = 1; i < argc; i += 2) {
        const std::string opt = argv[i];
        if (opt == "--watch") {
            watch = true;
            --i;
            continue;
        }
        if (i + 1 >= argc) return usage();
        if (opt == "--title") {
            title = argv[i + 1];
        } else if (opt == "--geometry") {
            int gx = 0, gy = 0;
            unsigned gw = 0, gh = 0;
            const int mask = XParseGeometry(argv[i + 1], &gx, &gy, &gw, &gh);
            if (mask & WidthValue) w = gw;
            if (mask & HeightValue) h = gh;
            if (mask & XValue) x = gx;
            if (mask & YValue) y = gy;
        } else if (opt == "--button") {
            button = (XParseGeometry(argv[i + 1], &bx, &by, &bw, &bh) & (WidthValue | HeightValue)) == (WidthValue | HeightValue);
        } else if (opt == "--log") {
            logPath = argv[i + 1];
        } else {
            return usage();
        }
    }
    if (logPath.empty()) return usage();
    FILE* log = std::fopen(logPath.c_str(), "a");
    if (!log) {
        std::perror(logPath.c_str());
        return 1;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "zentavoro-target: cannot open the display\n");
        return 1;
    }
    std::signal(SIGTERM, stop);
    std::signal(SIGINT, stop);

    const int screen = DefaultScreen(d);
    const Window win = XCreateSimpleWindow(d, RootWindow(d, screen), x, y, w, h, 0, BlackPixel(d, screen),
                                           WhitePixel(d, screen));
    XSelectInput(d, win, ButtonPressMask | KeyPressMask | ExposureMask | StructureNotifyMask | (watch ? PointerMotionMask : 0));
    int xiOpcode = -1;
    if (watch) {
        int event = 0, error = 0, major = 2, minor = 2;
        if (!XQueryExtension(d, "XInputExtension", &xiOpcode, &event, &error) || XIQueryVersion(d, &major, &minor) != Success) {
            std::fprintf(stderr, "zentavoro-target: --watch needs XInput 2\n");
            return 1;
        }
        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        XISetMask(bits, XI_RawButtonPress);
        XIEventMask mask{XIAllMasterDevices, sizeof bits, bits};
        XISelectEvents(d, RootWindow(d, screen), &mask, 1);
    }

    XStoreName(d, win, title.c_str());
    XChangeProperty(d, win, XInternAtom(d, "_NET_WM_NAME", False), XInternAtom(d, "UTF8_STRING", False), 8,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(title.data()), static_cast<int>(title.size()));
    XClassHint cls{const_cast<char*>("zentavoro-target"), const_cast<char*>("ZentavoroTarget")};
    XSetClassHint(d, win, &cls);
    // Placed where it was told, not where the window manager would like it.
    XSizeHints hints{};
    hints.flags = USPosition | USSize;
    hints.x = x;
    hints.y = y;
    hints.width = static_cast<int>(w);
    hints.height = static_cast<int>(h);
    XSetWMNormalHints(d, win, &hints);
    XWMHints wm{};
    wm.flags = InputHint;
    wm.input = True;
    XSetWMHints(d, win, &wm);
    Atom deleteWindow = XInternAtom(d, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(d, win, &deleteWindow, 1);
    XMapWindow(d, win);
    XFlush(d);
    const GC gc = XCreateGC(d, win, 0, nullptr);
    auto drawButton = [&] {
        if (!button) return;
        XSetForeground(d, gc, 0xC0C0C0);
        XFillRectangle(d, win, gc, bx, by, bw, bh);
        XSetForeground(d, gc, BlackPixel(d, screen));
        XDrawRectangle(d, win, gc, bx, by, bw - 1, bh - 1);
        XDrawString(d, win, gc, bx + static_cast<int>(bw) / 2 - 6, by + static_cast<int>(bh) / 2 + 4, "OK", 2);
        XFlush(d);
    };

    const int fd = ConnectionNumber(d);
    while (!gStop) {
        // Wait with a timeout so that a signal is noticed even without events.
        if (!XPending(d)) {
            fd_set fds;
            FD_ZERO(&fds);
            FD_SET(fd, &fds);
            timeval tv{0, 200000};
            select(fd + 1, &fds, nullptr, nullptr, &tv);
            if (!XPending(d)) continue;
        }
        XEvent e;
        XNextEvent(d, &e);
        if (e.type == GenericEvent && e.xcookie.extension == xiOpcode && XGetEventData(d, &e.xcookie)) {
            if (e.xcookie.evtype == XI_RawButtonPress) {
                const auto* raw = static_cast<XIRawEvent*>(e.xcookie.data);
                std::fprintf(log, "raw %d %lu\n", raw->detail, static_cast<unsigned long>(raw->time));
                std::fflush(log);
            }
            XFreeEventData(d, &e.xcookie);
        } else if (e.type == MotionNotify) {
            std::fprintf(log, "motion %d %d %lu\n", e.xmotion.x_root, e.xmotion.y_root,
                         static_cast<unsigned long>(e.xmotion.time));
            std::fflush(log);
        } else if (e.type == Expose) {
            if (e.xexpose.count == 0) drawButton();
        } else if (e.type == ButtonPress) {
            std::fprintf(log, "press %u %d %d %lu\n", e.xbutton.button, e.xbutton.x_root, e.xbutton.y_root,
                         static_cast<unsigned long>(e.xbutton.time));
            if (button && e.xbutton.button == Button1 && e.xbutton.x >= bx && e.xbutton.y >= by &&
                e.xbutton.x < bx + static_cast<int>(bw) && e.xbutton.y < by + static_cast<int>(bh))
                std::fprintf(log, "button %d %d %lu\n", e.xbutton.x_root, e.xbutton.y_root,
                             static_cast<unsigned long>(e.xbutton.time));
            std::fflush(log);
        } else if (e.type == KeyPress) {
            const KeySym ks = XLookupKeysym(&e.xkey, 0);
            const char* name = XKeysymToString(ks);
            std::fprintf(log, "key %s %lu\n", name ? name : "NoSymbol", static_cast<unsigned long>(e.xkey.time));
            std::fflush(log);
        } else if (e.type == ClientMessage && static_cast<Atom>(e.xclient.data.l[0]) == deleteWindow) {
            break;
        }
    }
    XFreeGC(d, gc);
    XDestroyWindow(d, win);
    XCloseDisplay(d);
    std::fclose(log);
    return 0;
}
