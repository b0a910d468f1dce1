// The Linux program: Qt for the windows, our own X connection for the rest, and the
// program itself.

#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QIcon>

#include "app/program.h"
#include "backends/x11/x11_platform.h"
#include "platform/text.h"

// Xlib last: its macros (None, Bool, KeyPress...) would break the headers above.
#include <X11/Xlib.h>

int main(int argc, char** argv) {
    // The hook library talks to the server from a thread of its own.
    XInitThreads();
    // Everything below the windows is X11: Qt must draw on the same server.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "xcb", 1);

    QApplication qapp(argc, argv);
    QApplication::setApplicationName("zentavoro");
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(":/pictures/zentavoro.png"));

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "zentavoro: cannot open the X display\n");
        return 1;
    }
    zv::x11::X11Platform platform(display);

    // Qt has taken its own options out of argv; the rest is the program's command line.
    std::vector<std::string> args;
    // File names, as their own bytes.
    for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
    return zv::runProgram(platform, args);
}
