#pragma once
// The hooks on the library's own X connection. Used only by the library thread, so the
// connection needs no locking (no XInitThreads).
//
// - Mouse hooks take the left and right buttons with a passive grab on the root window:
//   the presses reach the mailbox and not the application. Only the press is reported.
// - The keyboard hook only listens, through XInput2 raw key events: keys still reach the
//   application.
// - The any-key hook takes the keys by grabbing the physical keyboards (XIGrabDevice on
//   their slave devices). Grabbing the core keyboard (XGrabKeyboard) would also take the
//   Tab and Return that the program synthesises itself, which must reach the application
//   in Tabs-and-Return mode; and a passive grab of every key on the root
//   (XGrabKey(AnyKey)) is refused outright when a window manager holds a single key grab
//   of its own there.
// - Input synthesised with XTest comes from the XTEST slave devices and is never reported.
//   The program removes the mouse hook around its synthesised clicks; its own connection
//   must XSync them before it installs the hook again (the X11 backend does), and the
//   session XSyncs its own connection before it takes the buttons, so that the server has
//   delivered everything up to that point before the grab is in force.
// - A key held down is reported once: its auto-repeat is not a new press.

#include <X11/Xlib.h>

#include <chrono>
#include <memory>
#include <set>

#include "press_filter.h"

namespace zv::hooklib {

enum class MouseHook { Off, Execution, Recording };

class HookSession {
public:
    // Nothing when there is no display to connect to.
    static std::unique_ptr<HookSession> open();
    ~HookSession();
    HookSession(const HookSession&) = delete;
    HookSession& operator=(const HookSession&) = delete;

    int connectionFd() const;

    // Each change first handles everything the server has sent up to this moment, so that
    // input from before the change is judged by the hooks that were in force then. When a
    // change returns, the server has processed it.
    void setMouseHook(MouseHook hook);
    void setKeyboardHook(bool on);
    void setAnyKeyHook(bool on);

    // Handles every event that has arrived.
    void dispatchPending();
    // Milliseconds until a keyboard that could not be grabbed is tried again (0: now), or
    // -1 when every keyboard is held or none need be.
    int retryDelayMs() const;
    void retryGrabs();

private:
    explicit HookSession(Display* dpy);
    void catchUp();
    void handle(XEvent& event);
    void handleXi(XGenericEventCookie& cookie);
    void readDevices();
    bool synthesised(int device) const;
    void grabKeyboards();
    void ungrabKeyboards();
    int virtualKey(int keycode);

    Display* dpy_;
    Window root_;
    int xiOpcode_ = -1;           // -1 when the server has no usable XInput2
    bool reportXtest_ = false;    // the tests' stand-in for real input
    std::set<int> xtestDevices_;
    std::set<int> slaveKeyboards_;

    MouseHook mouseHook_ = MouseHook::Off;
    bool buttonsGrabbed_ = false;
    bool warnedButtons_ = false;
    bool keyboardHook_ = false;
    bool anyKeyHook_ = false;
    std::set<int> grabbedKeyboards_;
    std::chrono::steady_clock::time_point lastGrabAttempt_;

    PressFilter rawKeys_;
    PressFilter grabbedKeys_;
    // Whether the last raw button press was a new press of real input. The core press that
    // our grab receives follows its raw event at once, and carries no device of its own.
    bool lastButtonPressIsReal_ = false;
};

}  // namespace zv::hooklib
