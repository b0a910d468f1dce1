// The hooks on the library's own X connection: grabs, raw key events, the program's own input.
#include "hook_session.h"

#include <X11/XKBlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XInput2.h>
#include <X11/keysym.h>
#include <poll.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <mutex>

#include "common/errors.h"
#include "common/keys.h"
#include "mailbox.h"
#include "window_title.h"

namespace zv::hooklib {

namespace {

using Clock = OwnInput::Clock;
using Kind = OwnInput::Kind;

constexpr unsigned kLeft = Button1, kRight = Button3;
// Another program holding a keyboard is let be for a while between two attempts.
constexpr std::chrono::milliseconds kGrabRetry{200};
// The XTest keyboard is taken back this long after the program's last key of its own.
constexpr std::chrono::milliseconds kOwnKeysQuiet{50};
// How long the buttons wait for the user to let go of a press they took.
constexpr std::chrono::milliseconds kReleaseWait{1500};

// Xlib's process-wide reaction to a broken connection is to end the process, from
// whichever thread noticed. The library's connection lives on its own thread: its loss is
// handled by the session, and the process goes on. Any other connection is handed to the
// handler that was there before (the toolkit's, or Xlib's), which ends the process as ever.
std::once_flag ioHandlerOnce;
int (*previousIoHandler)(Display*) = nullptr;
std::atomic<Display*> hookDisplay{nullptr};

int onIoError(Display* dpy) {
    if (dpy == hookDisplay.load()) return 0;  // the session's exit handler follows
    if (previousIoHandler) return previousIoHandler(dpy);
    return 0;
}

void reportKeyPress(int virtualKey, HookMode hook) {
    if (const auto report = pressReport({InputEvent::Type::Key, virtualKey}, hook)) reportPress(*report);
}

}  // namespace

std::unique_ptr<HookSession> HookSession::open() {
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) return nullptr;
    return std::unique_ptr<HookSession>(new HookSession(dpy));
}

HookSession::HookSession(Display* dpy) : dpy_(dpy), root_(DefaultRootWindow(dpy)) {
    hookDisplay = dpy_;
    std::call_once(ioHandlerOnce, [] { previousIoHandler = XSetIOErrorHandler(onIoError); });
    XSetIOErrorExitHandler(dpy_, connectionLost, this);
    x11::trapErrors(dpy_);

    int event = 0, error = 0, major = 2, minor = 2;
    if (XQueryExtension(dpy_, "XInputExtension", &xiOpcode_, &event, &error) &&
        XIQueryVersion(dpy_, &major, &minor) == Success && (major > 2 || (major == 2 && minor >= 1))) {
        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        // Master devices: one raw event per key or button, naming the slave it came from.
        XISetMask(bits, XI_RawKeyPress);
        XISetMask(bits, XI_RawKeyRelease);
        XISetMask(bits, XI_RawButtonPress);
        XIEventMask masters{XIAllMasterDevices, sizeof bits, bits};
        unsigned char hierarchyBits[XIMaskLen(XI_LASTEVENT)] = {};
        XISetMask(hierarchyBits, XI_HierarchyChanged);
        XIEventMask all{XIAllDevices, sizeof hierarchyBits, hierarchyBits};
        XIEventMask masks[] = {masters, all};
        XISelectEvents(dpy_, root_, masks, 2);
        readDevices();
    } else {
        xiOpcode_ = -1;
        std::fprintf(stderr, "LlibreriaZentavoro: the X server has no XInput 2.1; the keyboard hooks do nothing\n");
    }
    clock_.calibrate(dpy_, root_);
    readPointerMapping();
    for (KeySym key : {XK_space, XK_Alt_L, XK_Alt_R})
        if (const KeyCode code = XKeysymToKeycode(dpy_, key)) stopKeycodes_.push_back(code);
    XSync(dpy_, False);
    x11::takeTrappedError(dpy_);
}

HookSession::~HookSession() {
    // Closing the connection releases every grab it holds.
    XCloseDisplay(dpy_);
    hookDisplay = nullptr;
}

void HookSession::connectionLost(Display*, void* session) {
    auto* self = static_cast<HookSession*>(session);
    if (!self->lost_)
        std::fprintf(stderr, "LlibreriaZentavoro: the connection to the X server is lost; no more switch presses "
                             "are reported\n");
    self->lost_ = true;
}

int HookSession::connectionFd() const { return ConnectionNumber(dpy_); }

void HookSession::catchUp() {
    XSync(dpy_, False);
    dispatchPending();
}

void HookSession::setMouseHook(MouseHook hook) {
    catchUp();
    mouseHook_ = hook;
    if (hook != MouseHook::Off && !buttonsGrabbed_) {
        // The program's own clicks are made while the buttons are not ours, and the server
        // has processed them by now: none of them can come to the grab.
        own_.forget(Kind::Button);
        const unsigned mask = ButtonPressMask | ButtonReleaseMask;
        for (unsigned button : {kLeft, kRight}) {
            XGrabButton(dpy_, button, AnyModifier, root_, False, mask, GrabModeAsync, GrabModeAsync, None, None);
            XSync(dpy_, False);
            // Refused when another program has a grab of its own on that button of the root.
            if (int error = x11::takeTrappedError(dpy_); error && !warnedButtons_) {
                warnedButtons_ = true;
                std::fprintf(stderr, "LlibreriaZentavoro: cannot take mouse button %u (X error %d)\n", button, error);
            }
        }
        buttonsGrabbed_ = true;
    } else if (hook == MouseHook::Off && buttonsGrabbed_) {
        awaitTakenReleases();
        for (unsigned button : {kLeft, kRight}) XUngrabButton(dpy_, button, AnyModifier, root_);
        buttonsGrabbed_ = false;
    }
    updateStopKeyGrabs();
    XSync(dpy_, False);
    x11::takeTrappedError(dpy_);
}

void HookSession::updateStopKeyGrabs() {
    const bool want = stopKeysWanted() && !ownKeysAround(Clock::now());
    if (want == stopKeysGrabbed_) return;
    for (unsigned code : stopKeycodes_) {
        if (!want) {
            XUngrabKey(dpy_, static_cast<int>(code), AnyModifier, root_);
            continue;
        }
        XGrabKey(dpy_, static_cast<int>(code), AnyModifier, root_, False, GrabModeAsync, GrabModeAsync);
        XSync(dpy_, False);
        if (!x11::takeTrappedError(dpy_)) continue;
        // A window manager's shortcut on one combination (openbox has Alt+Space) makes the
        // server refuse the whole grab: the key is taken with every other combination of
        // modifiers one by one, and only the shortcut's own still reaches the manager.
        for (unsigned modifiers = 0; modifiers <= 0xFF; ++modifiers)
            XGrabKey(dpy_, static_cast<int>(code), modifiers, root_, False, GrabModeAsync, GrabModeAsync);
        XSync(dpy_, False);
        x11::takeTrappedError(dpy_);
    }
    stopKeysGrabbed_ = want;
    XSync(dpy_, False);
    x11::takeTrappedError(dpy_);
}

void HookSession::awaitTakenReleases() {
    // The program takes the buttons away to click where the user pressed, at once. While
    // a press the grab took is held, the grab stays active and a click would come back to
    // it, and the server ignores a press of a button that is down already: the release
    // is waited for first, for a bounded time.
    const auto until = Clock::now() + kReleaseWait;
    while (!heldButtons_.empty() && !lost_) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
        if (left.count() <= 0) break;
        pollfd fd{connectionFd(), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left.count()));
        dispatchPending();
    }
    heldButtons_.clear();
}

void HookSession::setKeyboardHook(bool on) {
    catchUp();
    keyboardHook_ = on && xiOpcode_ >= 0;
    updateStopKeyGrabs();
}

void HookSession::setAnyKeyHook(bool on) {
    catchUp();
    anyKeyHook_ = on && xiOpcode_ >= 0;
    if (anyKeyHook_) {
        grabKeyboards(true);
    } else {
        ungrabKeyboards();
    }
}

void HookSession::announceOwn(Kind kind, unsigned code, bool press) {
    // What the server sent before this announcement is judged without it.
    catchUp();
    own_.expect(kind, code, press, Clock::now());
    if (kind == Kind::Key) {
        releaseSyntheticKeyboards();
        // The program's Alt+Tab must reach the window manager.
        updateStopKeyGrabs();
    }
}

void HookSession::drain() {
    while (!lost_ && XPending(dpy_) > 0) {
        XEvent event;
        XNextEvent(dpy_, &event);
        handle(event);
    }
}

void HookSession::dispatchPending() {
    drain();
    if (rawPresses_.empty() || lost_) return;
    // The press a grab brings is sent with its raw event: once the server has answered a
    // round trip, whatever raw press has no grabbed twin was taken by no grab of ours.
    XSync(dpy_, False);
    drain();
    reportRawPresses();
}

void HookSession::rawButtonPressed(unsigned physical, Time time) {
    if (mouseHook_ == MouseHook::Off) return;
    const unsigned button = physical >= 1 && physical <= pointerMap_.size() ? pointerMap_[physical - 1] : physical;
    if (button != kLeft && button != kRight) return;
    for (auto it = grabbedPresses_.begin(); it != grabbedPresses_.end(); ++it)
        if (it->button == button && it->time == time) {
            grabbedPresses_.erase(it);
            return;
        }
    rawPresses_.push_back({button, time});
}

void HookSession::reportRawPresses() {
    for (const Press& p : rawPresses_) {
        if (mouseHook_ == MouseHook::Off) break;
        // The program's own click, taken by the program that holds the pointer.
        if (own_.take(Kind::Button, p.button, true, Clock::now())) continue;
        // Reported after the round trip, but made when the server says.
        EventTime moment(clock_.tickOf(p.time));
        const auto type = p.button == kLeft ? InputEvent::Type::LeftButton : InputEvent::Type::RightButton;
        const auto hook = mouseHook_ == MouseHook::Recording ? HookMode::MouseRecording : HookMode::MouseExecution;
        const auto report = pressReport({type}, hook);
        if (!report) continue;
        if (report->titleFirst) {
            Window rootReturn = 0, child = 0;
            int rx = 0, ry = 0, wx = 0, wy = 0;
            unsigned mask = 0;
            XQueryPointer(dpy_, root_, &rootReturn, &child, &rx, &ry, &wx, &wy, &mask);
            reportWindowTitle(topLevelTitleAt(dpy_, rx, ry));
        }
        reportPress(*report);
    }
    rawPresses_.clear();
    grabbedPresses_.clear();
}

void HookSession::readPointerMapping() {
    unsigned char map[256];
    const int n = XGetPointerMapping(dpy_, map, sizeof map);
    pointerMap_.assign(map, map + std::max(n, 0));
}

void HookSession::handle(XEvent& event) {
    if (event.type == GenericEvent && event.xcookie.extension == xiOpcode_) {
        if (XGetEventData(dpy_, &event.xcookie)) {
            std::optional<EventTime> moment;
            if (const auto time = ServerClock::timeOf(event.xcookie)) moment.emplace(clock_.tickOf(*time));
            handleXi(event.xcookie);
            XFreeEventData(dpy_, &event.xcookie);
        }
        return;
    }
    if (event.type == ButtonPress || event.type == ButtonRelease) {
        EventTime moment(clock_.tickOf(event.xbutton.time));
        // Only our grab brings button events to this connection.
        const bool press = event.type == ButtonPress;
        if (press) {
            heldButtons_.insert(event.xbutton.button);
        } else {
            heldButtons_.erase(event.xbutton.button);
        }
        // Its raw twin, come before or still to come, is this press, whether it is the
        // user's or the program's own: either way the grab has brought it.
        if (press && mouseHook_ != MouseHook::Off) {
            const auto twin = std::find_if(rawPresses_.begin(), rawPresses_.end(), [&](const Press& p) {
                return p.button == event.xbutton.button && p.time == event.xbutton.time;
            });
            if (twin != rawPresses_.end())
                rawPresses_.erase(twin);
            else
                grabbedPresses_.push_back({event.xbutton.button, event.xbutton.time});
            if (grabbedPresses_.size() > 16) grabbedPresses_.erase(grabbedPresses_.begin());
        }
        if (own_.take(Kind::Button, event.xbutton.button, press, Clock::now())) return;
        if (!press || mouseHook_ == MouseHook::Off) return;
        const auto type = event.xbutton.button == kLeft    ? InputEvent::Type::LeftButton
                          : event.xbutton.button == kRight ? InputEvent::Type::RightButton
                                                           : InputEvent::Type::OtherButton;
        const auto hook = mouseHook_ == MouseHook::Recording ? HookMode::MouseRecording : HookMode::MouseExecution;
        if (const auto report = pressReport({type}, hook)) {
            if (report->titleFirst) reportWindowTitle(topLevelTitleAt(dpy_, event.xbutton.x_root, event.xbutton.y_root));
            reportPress(*report);
        }
        return;
    }
    // The stop keys the grab brings: the raw event of each has reported it already.
    if (event.type == KeyPress || event.type == KeyRelease) return;
    if (event.type == MappingNotify) {
        XRefreshKeyboardMapping(&event.xmapping);
        if (event.xmapping.request == MappingPointer) readPointerMapping();
    }
}

void HookSession::handleXi(XGenericEventCookie& cookie) {
    switch (cookie.evtype) {
    case XI_RawKeyPress: {
        const auto* raw = static_cast<XIRawEvent*>(cookie.data);
        // A keyboard that the any-key hook holds reports from its grab.
        if (grabbedKeyboards_.count(raw->sourceid)) return;
        keyPressed(raw->sourceid, static_cast<unsigned>(raw->detail), raw->flags & XIKeyRepeat);
        break;
    }
    case XI_RawKeyRelease: {
        const auto* raw = static_cast<XIRawEvent*>(cookie.data);
        if (grabbedKeyboards_.count(raw->sourceid)) return;
        keyReleased(raw->sourceid, static_cast<unsigned>(raw->detail));
        break;
    }
    case XI_KeyPress: {
        // From a keyboard that the any-key hook holds: the application does not see it.
        const auto* key = static_cast<XIDeviceEvent*>(cookie.data);
        keyPressed(key->deviceid, static_cast<unsigned>(key->detail), key->flags & XIKeyRepeat);
        break;
    }
    case XI_KeyRelease: {
        const auto* key = static_cast<XIDeviceEvent*>(cookie.data);
        keyReleased(key->deviceid, static_cast<unsigned>(key->detail));
        break;
    }
    case XI_RawButtonPress: {
        const auto* raw = static_cast<XIRawEvent*>(cookie.data);
        rawButtonPressed(static_cast<unsigned>(raw->detail), raw->time);
        break;
    }
    case XI_HierarchyChanged:
        readDevices();
        if (anyKeyHook_) grabKeyboards(true);
        break;
    default:
        break;
    }
}

void HookSession::keyPressed(int device, unsigned keycode, bool repeat) {
    const bool fresh = keys_.press(device, static_cast<int>(keycode));
    if (synthetic(device) && own_.take(Kind::Key, keycode, true, Clock::now())) return;
    if (!fresh || repeat) return;
    // A key of a keyboard the any-key hook could not take is still a switch press; it
    // reaches the application as well.
    if (anyKeyHook_) reportKeyPress(0, HookMode::AnyKeySwitch);
    if (keyboardHook_) reportKeyPress(virtualKey(keycode), HookMode::Keyboard);
}

void HookSession::keyReleased(int device, unsigned keycode) {
    keys_.release(device, static_cast<int>(keycode));
    if (synthetic(device)) own_.take(Kind::Key, keycode, false, Clock::now());
}

void HookSession::readDevices() {
    syntheticKeyboards_.clear();
    slaveKeyboards_.clear();
    int count = 0;
    XIDeviceInfo* devices = XIQueryDevice(dpy_, XIAllDevices, &count);
    for (int i = 0; i < count; ++i) {
        const XIDeviceInfo& d = devices[i];
        // A slave held by a grab may be listed as floating for as long as the grab lasts.
        bool keys = d.use == XISlaveKeyboard;
        for (int c = 0; d.use == XIFloatingSlave && c < d.num_classes; ++c)
            keys = keys || d.classes[c]->type == XIKeyClass;
        if (!keys) continue;
        slaveKeyboards_.insert(d.deviceid);
        // Where XTest input, ours and other programs', comes from.
        if (d.name && std::strstr(d.name, "XTEST")) syntheticKeyboards_.insert(d.deviceid);
    }
    if (devices) XIFreeDeviceInfo(devices);
    // A keyboard that went away is no longer held.
    for (auto it = grabbedKeyboards_.begin(); it != grabbedKeyboards_.end();)
        it = slaveKeyboards_.count(*it) ? std::next(it) : grabbedKeyboards_.erase(it);
}

bool HookSession::ownKeysAround(Clock::time_point now) {
    if (own_.keysPending(now) || now - own_.lastKey() < kOwnKeysQuiet) return true;
    for (int id : syntheticKeyboards_)
        if (keys_.anyDown(id)) return true;
    return false;
}

int HookSession::nextGrabMs() {
    if (lost_) return -1;
    // The stop keys are taken again once the program's own keys are through.
    const int stopKeys = stopKeysWanted() && !stopKeysGrabbed_ ? static_cast<int>(kOwnKeysQuiet.count() / 5) : -1;
    if (!anyKeyHook_) return stopKeys;
    const auto now = Clock::now();
    std::chrono::milliseconds wait{stopKeys};
    for (int id : slaveKeyboards_) {
        if (grabbedKeyboards_.count(id)) continue;
        std::chrono::milliseconds w;
        if (synthetic(id) && ownKeysAround(now)) {
            w = kOwnKeysQuiet / 5;
        } else {
            w = std::chrono::duration_cast<std::chrono::milliseconds>(kGrabRetry - (now - lastGrabAttempt_));
            if (w.count() < 0) w = std::chrono::milliseconds(0);
        }
        if (wait.count() < 0 || w < wait) wait = w;
    }
    return static_cast<int>(wait.count());
}

void HookSession::grabMissingKeyboards() {
    if (lost_) return;
    updateStopKeyGrabs();
    if (!anyKeyHook_) return;
    const bool physicalDue = Clock::now() - lastGrabAttempt_ >= kGrabRetry;
    grabKeyboards(physicalDue);
}

void HookSession::grabKeyboards(bool physicalToo) {
    const auto now = Clock::now();
    if (physicalToo) lastGrabAttempt_ = now;
    const bool ownKeys = ownKeysAround(now);
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_KeyPress);
    XISetMask(bits, XI_KeyRelease);
    XIEventMask mask{0, sizeof bits, bits};
    for (int id : slaveKeyboards_) {
        if (grabbedKeyboards_.count(id)) continue;
        if (synthetic(id) ? ownKeys : !physicalToo) continue;
        mask.deviceid = id;
        const int status =
            XIGrabDevice(dpy_, id, root_, CurrentTime, None, XIGrabModeAsync, XIGrabModeAsync, False, &mask);
        if (status == Success) grabbedKeyboards_.insert(id);
    }
    XSync(dpy_, False);
    x11::takeTrappedError(dpy_);
}

void HookSession::releaseSyntheticKeyboards() {
    bool released = false;
    for (int id : syntheticKeyboards_) {
        if (!grabbedKeyboards_.erase(id)) continue;
        XIUngrabDevice(dpy_, id, CurrentTime);
        released = true;
    }
    if (released) {
        XSync(dpy_, False);
        x11::takeTrappedError(dpy_);
    }
}

void HookSession::ungrabKeyboards() {
    for (int id : grabbedKeyboards_) XIUngrabDevice(dpy_, id, CurrentTime);
    grabbedKeyboards_.clear();
    XSync(dpy_, False);
    x11::takeTrappedError(dpy_);
}

int HookSession::virtualKey(unsigned keycode) {
    const auto code = static_cast<KeyCode>(keycode);
    const KeySym base = XkbKeycodeToKeysym(dpy_, code, 0, 0);
    const KeySym shifted = XkbKeycodeToKeysym(dpy_, code, 0, 1);
    KeySym typed = base;
    if (IsKeypadKey(shifted)) {
        XkbStateRec state{};
        const unsigned numLockMask = XkbKeysymToModifiers(dpy_, XK_Num_Lock);
        if (XkbGetState(dpy_, XkbUseCoreKbd, &state) == Success && (state.locked_mods & numLockMask)) typed = shifted;
    }
    return x11::vkForKey(base, typed);
}

}  // namespace zv::hooklib
