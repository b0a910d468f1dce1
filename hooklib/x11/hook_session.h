#pragma once
// The hooks on the library's own X connection. Used only by the library thread, so the
// connection needs no locking.
//
// - Mouse hooks take the left and right buttons with a passive grab on the root window.
//   Every press the grab brings is reported, once: the server delivers each press to the
//   grabbing client exactly once, whichever device or program it comes from. While another
//   program holds the pointer (an open menu, a drag) the grab brings nothing: those presses
//   are seen through XInput2 raw button events, and reported all the same (the other
//   program gets them too). A press that the grab brings also comes raw, with the same
//   server time: it is reported once, from the grab.
// - The keyboard hook listens through XInput2 raw key events, which come whoever holds the
//   keyboard: keys still reach the application. The stop keys (Space and Alt) are taken,
//   with a passive grab of those keys on the root window, while a mouse hook is in too (the
//   program records or scans), so that the key that stops is not typed into the user's
//   document; the grab lasts until the key is released. The grab is let go while the
//   program sends keys of its own (its Alt+Tab).
// - The any-key hook takes the keys by grabbing every keyboard device (XIGrabDevice on
//   the slaves, the XTest one included: a software switch is a keyboard like another).
//   Grabbing the core keyboard would take the Tab and Return the program synthesises
//   itself as well, which must reach the application; and a passive grab of every key on
//   the root is refused outright when a window manager holds a single key grab there.
// - Input synthesised by other programs is the user's. The program's own events are
//   announced before they are sent and skipped when they come back; while the program
//   sends keys, the XTest keyboard is let go so that they reach the application.
//   The program also removes the mouse hook around its synthesised clicks and the server
//   has processed them (the backend XSyncs) before it installs the hook again; the
//   session XSyncs its own connection before it takes the buttons.
// - A key held down is reported once: its auto-repeat is not a new press.
// - Losing the connection to the server ends the hooks, never the process: the program's
//   own connections decide how the program ends.

#include <X11/Xlib.h>

#include <chrono>
#include <memory>
#include <set>
#include <vector>

#include "own_input.h"
#include "press_filter.h"
#include "server_clock.h"

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
    // The connection to the server is gone: nothing more can be done.
    bool lost() const { return lost_; }

    // Each change first handles everything the server has sent up to this moment, so that
    // input from before the change is judged by the hooks that were in force then. When a
    // change returns, the server has processed it.
    void setMouseHook(MouseHook hook);
    void setKeyboardHook(bool on);
    void setAnyKeyHook(bool on);
    // The program is about to send this event itself.
    void announceOwn(OwnInput::Kind kind, unsigned code, bool press);

    // Handles every event that has arrived.
    void dispatchPending();
    // Milliseconds until the keyboards that the any-key hook does not hold yet are tried
    // again (0: now), or -1 when none need be.
    int nextGrabMs();
    void grabMissingKeyboards();

private:
    explicit HookSession(Display* dpy);
    static void connectionLost(Display* dpy, void* session);
    void catchUp();
    void awaitTakenReleases();
    void handle(XEvent& event);
    void handleXi(XGenericEventCookie& cookie);
    void keyPressed(int device, unsigned keycode, bool repeat);
    void rawButtonPressed(unsigned button, Time time);
    void reportRawPresses();
    void readPointerMapping();
    // Takes or lets go of the stop keys, as the hooks and the program's own keys require.
    void updateStopKeyGrabs();
    bool stopKeysWanted() const { return keyboardHook_ && mouseHook_ != MouseHook::Off; }
    void drain();
    void keyReleased(int device, unsigned keycode);
    void readDevices();
    bool synthetic(int device) const { return syntheticKeyboards_.count(device) > 0; }
    // The program's own keys are on their way: the XTest keyboard stays free for them.
    bool ownKeysAround(OwnInput::Clock::time_point now);
    void grabKeyboards(bool physicalToo);
    void ungrabKeyboards();
    void releaseSyntheticKeyboards();
    int virtualKey(unsigned keycode);

    Display* dpy_;
    Window root_;
    bool lost_ = false;
    int xiOpcode_ = -1;   // -1 when the server has no usable XInput2
    std::set<int> syntheticKeyboards_;
    std::set<int> slaveKeyboards_;

    MouseHook mouseHook_ = MouseHook::Off;
    bool buttonsGrabbed_ = false;
    std::set<unsigned> heldButtons_;   // pressed while the grab brought them, not yet released
    bool warnedButtons_ = false;
    bool keyboardHook_ = false;
    bool anyKeyHook_ = false;
    std::set<int> grabbedKeyboards_;
    OwnInput::Clock::time_point lastGrabAttempt_;

    PressFilter keys_;
    OwnInput own_;
    ServerClock clock_;

    // Raw button presses not yet matched by the press the grab brings, and the last
    // presses the grab brought, by server time.
    struct Press {
        unsigned button;
        Time time;
    };
    std::vector<Press> rawPresses_;
    std::vector<Press> grabbedPresses_;
    std::vector<unsigned char> pointerMap_;   // physical button - 1 -> logical button
    std::vector<unsigned> stopKeycodes_;
    bool stopKeysGrabbed_ = false;
};

}  // namespace zv::hooklib
