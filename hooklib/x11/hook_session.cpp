#include "hook_session.h"

#include <X11/XKBlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XInput2.h>
#include <X11/keysym.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "mailbox.h"
#include "virtual_keys.h"
#include "window_title.h"
#include "x_errors.h"

namespace zv::hooklib {

namespace {

constexpr unsigned kLeft = Button1, kRight = Button3;
constexpr std::chrono::milliseconds kGrabRetry{200};

// Set only by the end-to-end tests: under Xvfb every event comes from XTest, so input from
// the XTEST devices has to stand in for the user's.
bool testsReportXtest() {
    const char* v = std::getenv("ZENTAVORO_HOOK_TEST_REPORT_XTEST");
    return v && std::strcmp(v, "1") == 0;
}

}  // namespace

std::unique_ptr<HookSession> HookSession::open() {
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) return nullptr;
    return std::unique_ptr<HookSession>(new HookSession(dpy));
}

HookSession::HookSession(Display* dpy) : dpy_(dpy), root_(DefaultRootWindow(dpy)) {
    trapErrors(dpy_);
    reportXtest_ = testsReportXtest();

    int event = 0, error = 0, major = 2, minor = 2;
    if (XQueryExtension(dpy_, "XInputExtension", &xiOpcode_, &event, &error) &&
        XIQueryVersion(dpy_, &major, &minor) == Success && (major > 2 || (major == 2 && minor >= 1))) {
        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        // Master devices: one raw event per press, naming the slave it came from.
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
        std::fprintf(stderr,
                     "LlibreriaZentavoro: the X server has no XInput 2.1; the keyboard hooks do nothing and "
                     "synthesised clicks cannot be told from the user's\n");
    }
    XSync(dpy_, False);
    takeTrappedError();
}

HookSession::~HookSession() {
    // Closing the connection releases every grab it holds.
    XCloseDisplay(dpy_);
}

int HookSession::connectionFd() const {
    return ConnectionNumber(dpy_);
}

void HookSession::catchUp() {
    XSync(dpy_, False);
    dispatchPending();
}

void HookSession::setMouseHook(MouseHook hook) {
    catchUp();
    mouseHook_ = hook;
    if (hook != MouseHook::Off && !buttonsGrabbed_) {
        const unsigned mask = ButtonPressMask | ButtonReleaseMask;
        for (unsigned button : {kLeft, kRight}) {
            XGrabButton(dpy_, button, AnyModifier, root_, False, mask, GrabModeAsync, GrabModeAsync, None, None);
            XSync(dpy_, False);
            // Refused when another program has a grab of its own on that button of the root.
            if (int error = takeTrappedError(); error && !warnedButtons_) {
                warnedButtons_ = true;
                std::fprintf(stderr, "LlibreriaZentavoro: cannot take mouse button %u (X error %d)\n", button, error);
            }
        }
        buttonsGrabbed_ = true;
        lastButtonPressIsReal_ = false;
    } else if (hook == MouseHook::Off && buttonsGrabbed_) {
        for (unsigned button : {kLeft, kRight}) XUngrabButton(dpy_, button, AnyModifier, root_);
        buttonsGrabbed_ = false;
    }
    XSync(dpy_, False);
    takeTrappedError();
}

void HookSession::setKeyboardHook(bool on) {
    catchUp();
    keyboardHook_ = on && xiOpcode_ >= 0;
}

void HookSession::setAnyKeyHook(bool on) {
    catchUp();
    anyKeyHook_ = on && xiOpcode_ >= 0;
    if (anyKeyHook_) {
        grabKeyboards();
    } else {
        ungrabKeyboards();
    }
}

void HookSession::dispatchPending() {
    while (XPending(dpy_) > 0) {
        XEvent event;
        XNextEvent(dpy_, &event);
        handle(event);
    }
}

int HookSession::retryDelayMs() const {
    if (!anyKeyHook_) return -1;
    bool missing = false;
    for (int id : slaveKeyboards_) missing = missing || (!synthesised(id) && !grabbedKeyboards_.count(id));
    if (!missing) return -1;
    // Another program holding a keyboard is let be for a while between two attempts.
    const auto since = std::chrono::steady_clock::now() - lastGrabAttempt_;
    const auto wait = kGrabRetry - std::chrono::duration_cast<std::chrono::milliseconds>(since);
    return wait.count() > 0 ? static_cast<int>(wait.count()) : 0;
}

void HookSession::retryGrabs() {
    if (retryDelayMs() == 0) grabKeyboards();
}

void HookSession::handle(XEvent& event) {
    if (event.type == GenericEvent && event.xcookie.extension == xiOpcode_) {
        if (XGetEventData(dpy_, &event.xcookie)) {
            handleXi(event.xcookie);
            XFreeEventData(dpy_, &event.xcookie);
        }
        return;
    }
    if (event.type == ButtonPress) {
        // Only our grab delivers core button presses to this connection.
        const bool real = xiOpcode_ < 0 || lastButtonPressIsReal_;
        lastButtonPressIsReal_ = false;
        if (!real || mouseHook_ == MouseHook::Off) return;
        if (event.xbutton.button == kLeft) {
            if (mouseHook_ == MouseHook::Recording)
                reportWindowTitle(topLevelTitleAt(dpy_, event.xbutton.x_root, event.xbutton.y_root));
            reportClick("1");
        } else if (event.xbutton.button == kRight) {
            reportClick("2");
        }
        return;
    }
    if (event.type == MappingNotify) XRefreshKeyboardMapping(&event.xmapping);
}

void HookSession::handleXi(XGenericEventCookie& cookie) {
    switch (cookie.evtype) {
    case XI_RawKeyPress: {
        const auto* raw = static_cast<XIRawEvent*>(cookie.data);
        // Keys of a keyboard that the any-key hook holds are reported from its grab.
        if (grabbedKeyboards_.count(raw->sourceid)) return;
        const bool repeat = raw->flags & XIKeyRepeat;
        const bool real = rawKeys_.press(raw->sourceid, raw->detail, synthesised(raw->sourceid)) && !repeat;
        if (real && keyboardHook_)
            if (int vk = virtualKey(raw->detail)) reportKey(vk);
        break;
    }
    case XI_RawKeyRelease: {
        const auto* raw = static_cast<XIRawEvent*>(cookie.data);
        rawKeys_.release(raw->sourceid, raw->detail);
        break;
    }
    case XI_RawButtonPress: {
        // Buttons do not repeat. Their releases could not be followed anyway: while our
        // grab is active the server sends this connection no raw events of the pointer.
        const auto* raw = static_cast<XIRawEvent*>(cookie.data);
        lastButtonPressIsReal_ = !synthesised(raw->sourceid);
        break;
    }
    case XI_KeyPress: {
        // From a keyboard that the any-key hook holds: the application does not see it.
        const auto* key = static_cast<XIDeviceEvent*>(cookie.data);
        if (key->flags & XIKeyRepeat) return;
        if (!grabbedKeys_.press(key->deviceid, key->detail, false)) return;
        if (anyKeyHook_) reportClick("1");
        if (keyboardHook_)
            if (int vk = virtualKey(key->detail)) reportKey(vk);
        break;
    }
    case XI_KeyRelease: {
        const auto* key = static_cast<XIDeviceEvent*>(cookie.data);
        grabbedKeys_.release(key->deviceid, key->detail);
        break;
    }
    case XI_HierarchyChanged:
        readDevices();
        if (anyKeyHook_) grabKeyboards();
        break;
    default:
        break;
    }
}

void HookSession::readDevices() {
    xtestDevices_.clear();
    slaveKeyboards_.clear();
    int count = 0;
    XIDeviceInfo* devices = XIQueryDevice(dpy_, XIAllDevices, &count);
    for (int i = 0; i < count; ++i) {
        const XIDeviceInfo& d = devices[i];
        if (d.name && std::strstr(d.name, "XTEST")) xtestDevices_.insert(d.deviceid);
        // A slave held by a grab may be listed as floating for as long as the grab lasts.
        bool keys = d.use == XISlaveKeyboard;
        for (int c = 0; d.use == XIFloatingSlave && c < d.num_classes; ++c)
            keys = keys || d.classes[c]->type == XIKeyClass;
        if (keys) slaveKeyboards_.insert(d.deviceid);
    }
    if (devices) XIFreeDeviceInfo(devices);
    // A keyboard that went away is no longer held.
    for (auto it = grabbedKeyboards_.begin(); it != grabbedKeyboards_.end();)
        it = slaveKeyboards_.count(*it) ? std::next(it) : grabbedKeyboards_.erase(it);
}

bool HookSession::synthesised(int device) const {
    return !reportXtest_ && xtestDevices_.count(device) > 0;
}

void HookSession::grabKeyboards() {
    lastGrabAttempt_ = std::chrono::steady_clock::now();
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_KeyPress);
    XISetMask(bits, XI_KeyRelease);
    XIEventMask mask{0, sizeof bits, bits};
    for (int id : slaveKeyboards_) {
        if (synthesised(id) || grabbedKeyboards_.count(id)) continue;
        mask.deviceid = id;
        // The synthesised keyboard stays out of the grab: its keys go on to the application.
        const int status =
            XIGrabDevice(dpy_, id, root_, CurrentTime, None, XIGrabModeAsync, XIGrabModeAsync, False, &mask);
        if (status == Success) {
            grabbedKeyboards_.insert(id);
            // Its raw events do not come while the grab lasts, releases included: what is
            // down now may be up by the time the keyboard is let go.
            rawKeys_.forget(id);
        }
    }
    XSync(dpy_, False);
    takeTrappedError();
}

void HookSession::ungrabKeyboards() {
    for (int id : grabbedKeyboards_) XIUngrabDevice(dpy_, id, CurrentTime);
    grabbedKeyboards_.clear();
    grabbedKeys_.clear();
    XSync(dpy_, False);
    takeTrappedError();
}

int HookSession::virtualKey(int keycode) {
    const auto code = static_cast<KeyCode>(keycode);
    const KeySym base = XkbKeycodeToKeysym(dpy_, code, 0, 0);
    const KeySym shifted = XkbKeycodeToKeysym(dpy_, code, 0, 1);
    bool numLock = false;
    if (IsKeypadKey(shifted)) {
        XkbStateRec state{};
        const unsigned numLockMask = XkbKeysymToModifiers(dpy_, XK_Num_Lock);
        if (XkbGetState(dpy_, XkbUseCoreKbd, &state) == Success) numLock = state.locked_mods & numLockMask;
    }
    return virtualKeyOf(base, shifted, numLock);
}

}  // namespace zv::hooklib
