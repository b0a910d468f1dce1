#pragma once
// Protocol errors on the library's own connection are expected (a window closes between
// two requests; another program already holds a grab) and must never reach the
// process-wide Xlib error handler, which belongs to the program and may end it.

#include <X11/Xlib.h>

namespace zv::hooklib {

// From now on every protocol error on `dpy` is kept here instead of being reported.
void trapErrors(Display* dpy);
// The code of the first error trapped since the last call (0 for none), and forgets it.
// Call XSync first so that the errors of the requests made so far have arrived.
int takeTrappedError();

}  // namespace zv::hooklib
