// zentavoro-map-probe TEXT TIMEOUT_MS COMMAND [ARG...]
//
// Starts COMMAND and prints how many milliseconds passed from just before it started to
// the X server mapping a top-level window whose title holds TEXT (the window manager's
// frame counts when the titled window is inside it). It then ends COMMAND's process
// group with SIGTERM and exits 0; it exits 1 on a timeout or when COMMAND ends first.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <signal.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::string title(Display* d, Window w) {
    static const Atom netName = XInternAtom(d, "_NET_WM_NAME", False);
    static const Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(d, w, netName, 0, 1024, False, utf8, &type, &format, &count, &after, &data) == Success &&
        data) {
        text.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    if (text.empty()) {
        char* name = nullptr;
        if (XFetchName(d, w, &name) && name) {
            text = name;
            XFree(name);
        }
    }
    return text;
}

// Whether the window or one of its descendants (a window manager's frame holds the
// program's window) is titled with the text and viewable.
bool holdsTitled(Display* d, Window w, const std::string& text, int depth = 0) {
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(d, w, &attributes) || attributes.map_state != IsViewable) return false;
    if (title(d, w).find(text) != std::string::npos) return true;
    if (depth > 3) return false;
    Window root = None, parent = None, *children = nullptr;
    unsigned n = 0;
    if (!XQueryTree(d, w, &root, &parent, &children, &n)) return false;
    bool found = false;
    for (unsigned i = 0; i < n && !found; ++i) found = holdsTitled(d, children[i], text, depth + 1);
    if (children) XFree(children);
    return found;
}

int ignoreErrors(Display*, XErrorEvent*) { return 0; }  // windows vanish while we look

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: zentavoro-map-probe TEXT TIMEOUT_MS COMMAND [ARG...]\n");
        return 2;
    }
    const std::string text = argv[1];
    const long timeoutMs = std::strtol(argv[2], nullptr, 10);
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "zentavoro-map-probe: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(d);
    XSelectInput(d, root, SubstructureNotifyMask);
    XSync(d, False);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        setpgid(0, 0);
        dup2(2, 1);  // our standard output carries the figure alone
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    setpgid(child, child);

    int result = 1;
    const int fd = ConnectionNumber(d);
    for (;;) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == MapNotify && holdsTitled(d, e.xmap.window, text)) {
                const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                std::printf("%.1f\n", ms);
                result = 0;
                goto done;
            }
        }
        const long left = timeoutMs - std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
        if (left <= 0) {
            std::fprintf(stderr, "zentavoro-map-probe: no window titled '%s' within %ld ms\n", text.c_str(), timeoutMs);
            goto done;
        }
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "zentavoro-map-probe: the program ended before its window was mapped\n");
            return 1;
        }
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        timeval tv{0, 20000};
        select(fd + 1, &fds, nullptr, nullptr, &tv);
    }
done:
    kill(-child, SIGTERM);
    for (int i = 0; i < 100 && waitpid(child, nullptr, WNOHANG) != child; ++i) usleep(20000);
    if (waitpid(child, nullptr, WNOHANG) == 0) {
        kill(-child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    XCloseDisplay(d);
    return result;
}
