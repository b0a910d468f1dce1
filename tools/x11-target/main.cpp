// zentavoro-target --title TEXT --geometry WxH+X+Y --log FILE [--motion yes]
//
// A plain X window standing for the application that Zentavoro operates. Every button
// press and key press that reaches it is appended to the log at once, one line each:
//   press BUTTON X Y TIME   (the pointer's root coordinates, the server's time)
//   key KEYSYM TIME         (the keysym's name, e.g. "Return", "Tab", "a")
//   motion X Y TIME US      (with --motion yes: every pointer move over the window, and
//                            when it arrived in microseconds of the monotonic clock: the
//                            benchmarks time the scan steps by them, finer than the
//                            server's milliseconds)
// It ends when its window is closed, on SIGTERM, or when the server goes away.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <sys/select.h>

#include <csignal>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

volatile std::sig_atomic_t gStop = 0;

void stop(int) { gStop = 1; }

int usage() {
    std::fprintf(stderr, "usage: zentavoro-target --title TEXT --geometry WxH+X+Y --log FILE [--motion yes]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string title = "zentavoro-target", logPath;
    bool motion = false;
    int x = 100, y = 100;
    unsigned w = 400, h = 300;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string opt = argv[i];
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
        } else if (opt == "--log") {
            logPath = argv[i + 1];
        } else if (opt == "--motion") {
            motion = std::string(argv[i + 1]) == "yes";
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
    XSelectInput(d, win,
                 ButtonPressMask | KeyPressMask | ExposureMask | StructureNotifyMask | (motion ? PointerMotionMask : 0));

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
        if (e.type == ButtonPress) {
            std::fprintf(log, "press %u %d %d %lu\n", e.xbutton.button, e.xbutton.x_root, e.xbutton.y_root,
                         static_cast<unsigned long>(e.xbutton.time));
            std::fflush(log);
        } else if (e.type == KeyPress) {
            const KeySym ks = XLookupKeysym(&e.xkey, 0);
            const char* name = XKeysymToString(ks);
            std::fprintf(log, "key %s %lu\n", name ? name : "NoSymbol", static_cast<unsigned long>(e.xkey.time));
            std::fflush(log);
        } else if (e.type == MotionNotify) {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::fprintf(log, "motion %d %d %lu %lld\n", e.xmotion.x_root, e.xmotion.y_root,
                         static_cast<unsigned long>(e.xmotion.time),
                         static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000);
            std::fflush(log);
        } else if (e.type == ClientMessage && static_cast<Atom>(e.xclient.data.l[0]) == deleteWindow) {
            break;
        }
    }
    XDestroyWindow(d, win);
    XCloseDisplay(d);
    std::fclose(log);
    return 0;
}
