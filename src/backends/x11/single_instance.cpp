// One copy of the program at a time: an X selection that the first copy owns from the
// moment it starts, through a small window of its own that the server forgets when the
// process ends. The window names the copy's main window once it has one, whether the window
// manager lists it (shown) or not (still starting, or hidden while it scans).

#include "backends/x11/x11_platform.h"

// Xlib last: its macros (None, Bool...) would break the headers above.
#include "common/errors.h"
#include "common/properties.h"
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace zv::x11 {

namespace {
constexpr const char* kSelection = "_ZENTAVORO_INSTANCE";
constexpr const char* kMainWindow = "_ZENTAVORO_MAIN_WINDOW";
}  // namespace

bool X11Platform::claimInstance() {
    if (instanceClaimed_) return true;
    const Window root = DefaultRootWindow(display_);
    if (claimWindow_ == 0) {
        XSetWindowAttributes attributes{};
        attributes.override_redirect = True;
        claimWindow_ = XCreateWindow(display_, root, -1, -1, 1, 1, 0, 0, InputOnly, CopyFromParent, CWOverrideRedirect,
                                     &attributes);
    }
    const Atom selection = atom(display_, kSelection);
    // Looked at and taken with the server held, so that two starts cannot both find it free.
    XGrabServer(display_);
    const bool free = XGetSelectionOwner(display_, selection) == None;
    if (free) XSetSelectionOwner(display_, selection, claimWindow_, CurrentTime);
    XUngrabServer(display_);
    XSync(display_, False);
    instanceClaimed_ = free && XGetSelectionOwner(display_, selection) == claimWindow_;
    return instanceClaimed_;
}

WindowId X11Platform::instanceWindow() {
    const Window owner = XGetSelectionOwner(display_, atom(display_, kSelection));
    if (owner == None) return 0;
    // The owner may end between the two requests.
    ErrorTrap trap(display_);
    const auto named = propertyLongs(display_, owner, kMainWindow);
    if (trap.failed() || !named || named->empty()) return 0;
    return named->front();
}

void X11Platform::announceInstanceWindow(WindowId mainWindow) {
    if (!instanceClaimed_) return;
    // The main window's title and its id must be on the server before another start reads them.
    syncToolkit();
    const unsigned long id = mainWindow;
    XChangeProperty(display_, claimWindow_, atom(display_, kMainWindow), XA_WINDOW, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&id), 1);
    XFlush(display_);
}

}  // namespace zv::x11
