// Stands for the application in the hook library's end-to-end test: a plain window that
// logs every button and key press that reaches it, one line each, on stdout.
//   hooklib_test_window <title> <x> <y> [icccm | grab-button-1]
// The title is UTF-8. By default the window names itself as current programs do
// (_NET_WM_NAME in UTF-8, plus WM_NAME); with "icccm" it sets WM_NAME alone, as a Latin-1
// STRING. With "grab-button-1" it holds a passive grab of the left button on the root
// window, as some other program might, and logs the presses that grab brings it.
// Prints "mapped <window id>" once it is on the screen.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The Latin-1 bytes of a UTF-8 text whose characters are all below U+0100.
std::string utf8ToLatin1(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = text[i];
        if (c >= 0xC0 && i + 1 < text.size()) {
            out += static_cast<char>(((c & 0x1F) << 6) | (text[++i] & 0x3F));
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <title> <x> <y> [icccm]\n", argv[0]);
        return 2;
    }
    const std::string title = argv[1];
    const bool icccmOnly = argc > 4 && std::strcmp(argv[4], "icccm") == 0;
    const bool grabLeftButton = argc > 4 && std::strcmp(argv[4], "grab-button-1") == 0;
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) return 1;

    const int x = std::atoi(argv[2]), y = std::atoi(argv[3]);
    const Window w = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), x, y, 200, 150, 0, 0,
                                         WhitePixel(dpy, DefaultScreen(dpy)));
    XSizeHints hints{};
    hints.flags = USPosition | USSize;
    hints.x = x;
    hints.y = y;
    hints.width = 200;
    hints.height = 150;
    XSetWMNormalHints(dpy, w, &hints);
    XWMHints wm{};
    wm.flags = InputHint;
    wm.input = True;
    XSetWMHints(dpy, w, &wm);

    const std::string latin1 = utf8ToLatin1(icccmOnly ? title : "Hooklib test window");
    XTextProperty name{};
    name.value = reinterpret_cast<unsigned char*>(const_cast<char*>(latin1.c_str()));
    name.encoding = XA_STRING;
    name.format = 8;
    name.nitems = latin1.size();
    XSetWMName(dpy, w, &name);
    if (!icccmOnly) {
        XChangeProperty(dpy, w, XInternAtom(dpy, "_NET_WM_NAME", False), XInternAtom(dpy, "UTF8_STRING", False), 8,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(title.data()),
                        static_cast<int>(title.size()));
    }

    XSelectInput(dpy, w, ButtonPressMask | KeyPressMask | StructureNotifyMask);
    if (grabLeftButton) {
        XGrabButton(dpy, Button1, AnyModifier, DefaultRootWindow(dpy), False, ButtonPressMask | ButtonReleaseMask,
                    GrabModeAsync, GrabModeAsync, None, None);
    }
    XMapWindow(dpy, w);

    for (;;) {
        XEvent ev;
        XNextEvent(dpy, &ev);
        switch (ev.type) {
        case MapNotify:
            std::printf("mapped %lu\n", w);
            break;
        case ButtonPress:
            std::printf("button %u\n", ev.xbutton.button);
            break;
        case KeyPress: {
            const char* name = XKeysymToString(XLookupKeysym(&ev.xkey, 0));
            std::printf("key %s\n", name ? name : "?");
            break;
        }
        default:
            break;
        }
        std::fflush(stdout);
    }
}
