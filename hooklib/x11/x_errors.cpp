#include "x_errors.h"

#include <X11/Xlibint.h>

namespace zv::hooklib {

namespace {

// Only the library thread uses the connection, so a plain variable is enough.
int firstError = 0;

Bool keepError(Display*, XErrorEvent* event, xError*) {
    if (firstError == 0) firstError = event->error_code;
    return False;  // handled: Xlib does not call the error handler
}

}  // namespace

void trapErrors(Display* dpy) {
    // The per-display conversion hook sees every error before the global handler does.
    for (int code = 1; code < 256; ++code) XESetWireToError(dpy, code, keepError);
}

int takeTrappedError() {
    const int code = firstError;
    firstError = 0;
    return code;
}

}  // namespace zv::hooklib
