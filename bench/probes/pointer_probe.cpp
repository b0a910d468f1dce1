// zentavoro-pointer-probe LOG SECONDS
//
// Asks the X server where the pointer is every quarter of a millisecond for SECONDS and
// appends a line to LOG whenever it has moved, in the target window's format:
//   motion X Y 0 US   (US: microseconds of the monotonic clock when the move was seen)
// For a program whose pointer moves reach no other window's events (Wine holds the
// pointer while a low-level mouse hook is installed), this is how its steps are timed.

#include <X11/Xlib.h>

#include <time.h>

#include <cstdio>
#include <cstdlib>

namespace {
long long nowUs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: zentavoro-pointer-probe LOG SECONDS\n");
        return 2;
    }
    FILE* log = std::fopen(argv[1], "a");
    Display* d = XOpenDisplay(nullptr);
    if (!log || !d) {
        std::fprintf(stderr, "zentavoro-pointer-probe: cannot open the log or the display\n");
        return 1;
    }
    const long long end = nowUs() + std::atoll(argv[2]) * 1000000LL;
    const Window root = DefaultRootWindow(d);
    int lastX = -1, lastY = -1;
    while (nowUs() < end) {
        Window r = None, child = None;
        int x = 0, y = 0, wx = 0, wy = 0;
        unsigned mask = 0;
        if (XQueryPointer(d, root, &r, &child, &x, &y, &wx, &wy, &mask) && (x != lastX || y != lastY)) {
            std::fprintf(log, "motion %d %d 0 %lld\n", x, y, nowUs());
            std::fflush(log);
            lastX = x;
            lastY = y;
        }
        const timespec pause{0, 250000};
        nanosleep(&pause, nullptr);
    }
    XCloseDisplay(d);
    std::fclose(log);
    return 0;
}
