// zentavoro-target --title TEXT --geometry WxH+X+Y --log FILE [--motion yes] [--watch] [--buttons] [--grid]
//                  [--button WxH+X+Y]
//
// A plain X window standing for the application that Zentavoro operates. Every button
// press and key press that reaches it is appended to the log at once, one line each:
//   press BUTTON X Y TIME   (the pointer's root coordinates, the server's time)
//   key KEYSYM TIME         (the keysym's name, e.g. "Return", "Tab", "a")
// With --buttons it holds three buttons laid out as applications lay theirs out, each
// 100 x 40 and kept at its distance from the nearer edges when the window is resized:
// "Uno" 20 from the left and the top edge, "Dos" 20 from the right and the top edge,
// "Tres" 20 from the left and the bottom edge. A press on one also logs
//   button NAME BUTTON TIME
// With --grid it is a calculator's keypad: nine buttons 7 8 9 / 4 5 6 / 1 2 3 that share
// the window in three rows and columns (10 px from its edges, 6 px apart) and stretch
// with it, each showing its digit in segments 3 px thick, 16 x 26 px, at its centre, as a
// calculator's buttons grow with its window while their digits stay the same size. A
// press on one logs a button line as above, the digit as its name.
// For the benchmarks, in the order the server sent them:
//   motion X Y TIME US      (with --motion yes or --watch) every pointer move over the
//                           window, and when it arrived in microseconds of the monotonic
//                           clock, finer than the server's milliseconds
//   raw BUTTON TIME         (with --watch) any button press anywhere on the screen,
//                           whoever receives it
// With --button it draws a grey button "OK" at that place of its window (client
// coordinates) and logs a press of the left button on it, after its press line, as:
//   button OK X Y TIME
// It ends when its window is closed, on SIGTERM, or when the server goes away.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XInput2.h>

#include <sys/select.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

namespace {

volatile std::sig_atomic_t gStop = 0;

void stop(int) { gStop = 1; }

int usage() {
    std::fprintf(stderr, "usage: zentavoro-target --title TEXT --geometry WxH+X+Y --log FILE [--motion yes] [--watch] "
                         "[--buttons] [--grid] [--button WxH+X+Y]\n");
    return 2;
}

struct Button {
    const char* name;
    bool fromRight, fromBottom;
    Window window = 0;
};
Button gButtons[] = {{"Uno", false, false}, {"Dos", true, false}, {"Tres", false, true}};
constexpr int kButtonW = 100, kButtonH = 40, kMargin = 20;

struct Key {
    const char* name;
    Window window = 0;
};
Key gKeys[] = {{"7"}, {"8"}, {"9"}, {"4"}, {"5"}, {"6"}, {"1"}, {"2"}, {"3"}};
constexpr int kGridMargin = 10, kGridGap = 6;

void layOutGrid(Display* d, unsigned w, unsigned h) {
    const int cellW = (static_cast<int>(w) - 2 * kGridMargin + kGridGap) / 3;
    const int cellH = (static_cast<int>(h) - 2 * kGridMargin + kGridGap) / 3;
    for (int i = 0; i < 9; ++i) {
        if (!gKeys[i].window) continue;
        XMoveResizeWindow(d, gKeys[i].window, kGridMargin + (i % 3) * cellW, kGridMargin + (i / 3) * cellH,
                          static_cast<unsigned>(std::max(1, cellW - kGridGap)),
                          static_cast<unsigned>(std::max(1, cellH - kGridGap)));
    }
}

// Segments a b c d e f g of a seven-segment digit, a bit each from a.
void drawDigit(Display* d, Window w, GC gc, const char* name) {
    static const unsigned char kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    constexpr int kW = 16, kH = 26, kT = 3;
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, w, &a)) return;
    const int x = (a.width - kW) / 2, y = (a.height - kH) / 2;
    const XRectangle parts[7] = {{0, 0, kW, kT},      {kW - kT, 0, kT, kH / 2}, {kW - kT, kH / 2, kT, kH / 2},
                                 {0, kH - kT, kW, kT}, {0, kH / 2, kT, kH / 2},  {0, 0, kT, kH / 2},
                                 {0, kH / 2 - 1, kW, kT}};
    const unsigned bits = kSegments[name[0] - '0'];
    XClearWindow(d, w);
    XSetForeground(d, gc, BlackPixel(d, DefaultScreen(d)));
    for (int s = 0; s < 7; ++s)
        if (bits & (1u << s))
            XFillRectangle(d, w, gc, x + parts[s].x, y + parts[s].y, parts[s].width, parts[s].height);
}

void layOut(Display* d, unsigned w, unsigned h) {
    for (Button& b : gButtons) {
        if (!b.window) continue;
        const int x = b.fromRight ? static_cast<int>(w) - kMargin - kButtonW : kMargin;
        const int y = b.fromBottom ? static_cast<int>(h) - kMargin - kButtonH : kMargin;
        XMoveWindow(d, b.window, x, y);
    }
}

void drawLabel(Display* d, const Button& b) {
    const GC gc = DefaultGC(d, DefaultScreen(d));
    XDrawString(d, b.window, gc, 36, 25, b.name, static_cast<int>(std::strlen(b.name)));
}

}  // namespace

int main(int argc, char** argv) {
    std::string title = "zentavoro-target", logPath;
    int x = 100, y = 100;
    unsigned w = 400, h = 300;
    bool watch = false, motion = false, buttons = false, grid = false;
    bool button = false;
    int bx = 0, by = 0;
    unsigned bw = 0, bh = 0;
    for (int i = 1; i < argc; i += 2) {
        const std::string opt = argv[i];
        if (opt == "--watch" || opt == "--buttons" || opt == "--grid") {
            (opt == "--watch" ? watch : opt == "--grid" ? grid : buttons) = true;
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
        } else if (opt == "--motion") {
            motion = std::string(argv[i + 1]) == "yes";
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
    XSelectInput(d, win, ButtonPressMask | KeyPressMask | ExposureMask | StructureNotifyMask | (watch || motion ? PointerMotionMask : 0));
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

    // WM_NAME as STRING when Latin-1 holds the title, as compound text otherwise, as
    // clients that set titles in any script do.
    char* titles[] = {title.data()};
    XTextProperty name{};
    if (Xutf8TextListToTextProperty(d, titles, 1, XStdICCTextStyle, &name) == Success) {
        XSetWMName(d, win, &name);
        XFree(name.value);
    }
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
    if (buttons) {
        for (Button& b : gButtons) {
            b.window = XCreateSimpleWindow(d, win, 0, 0, kButtonW, kButtonH, 1, BlackPixel(d, screen), 0xC0C0C0);
            XSelectInput(d, b.window, ButtonPressMask | ExposureMask);
        }
        layOut(d, w, h);
        XMapSubwindows(d, win);
    }
    if (grid) {
        for (Key& k : gKeys) {
            k.window = XCreateSimpleWindow(d, win, 0, 0, 1, 1, 1, 0x808080, 0xE1E1E1);
            XSelectInput(d, k.window, ButtonPressMask | ExposureMask);
        }
        layOutGrid(d, w, h);
        XMapSubwindows(d, win);
    }
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
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::fprintf(log, "motion %d %d %lu %lld\n", e.xmotion.x_root, e.xmotion.y_root,
                         static_cast<unsigned long>(e.xmotion.time),
                         static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000);
            std::fflush(log);
        } else if (e.type == Expose) {
            if (e.xexpose.count != 0) continue;
            if (e.xexpose.window == win) drawButton();
            for (const Button& b : gButtons)
                if (b.window && b.window == e.xexpose.window) drawLabel(d, b);
            for (const Key& k : gKeys)
                if (k.window && k.window == e.xexpose.window) drawDigit(d, k.window, gc, k.name);
        } else if (e.type == ButtonPress) {
            std::fprintf(log, "press %u %d %d %lu\n", e.xbutton.button, e.xbutton.x_root, e.xbutton.y_root,
                         static_cast<unsigned long>(e.xbutton.time));
            for (const Button& b : gButtons)
                if (b.window && b.window == e.xbutton.window)
                    std::fprintf(log, "button %s %u %lu\n", b.name, e.xbutton.button,
                                 static_cast<unsigned long>(e.xbutton.time));
            for (const Key& k : gKeys)
                if (k.window && k.window == e.xbutton.window)
                    std::fprintf(log, "button %s %u %lu\n", k.name, e.xbutton.button,
                                 static_cast<unsigned long>(e.xbutton.time));
            if (button && e.xbutton.button == Button1 && e.xbutton.x >= bx && e.xbutton.y >= by &&
                e.xbutton.x < bx + static_cast<int>(bw) && e.xbutton.y < by + static_cast<int>(bh))
                std::fprintf(log, "button OK %d %d %lu\n", e.xbutton.x_root, e.xbutton.y_root,
                             static_cast<unsigned long>(e.xbutton.time));
            std::fflush(log);
        } else if (e.type == ConfigureNotify && e.xconfigure.window == win) {
            layOut(d, static_cast<unsigned>(e.xconfigure.width), static_cast<unsigned>(e.xconfigure.height));
            layOutGrid(d, static_cast<unsigned>(e.xconfigure.width), static_cast<unsigned>(e.xconfigure.height));
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
