#pragma once
// Protocol errors on a connection of ours are expected (a window closes between two
// requests, another program holds a grab) and must never reach the process-wide Xlib error
// handler, which may end the process and belongs to whoever set it last. Each connection
// keeps its own errors.

#include <X11/Xlib.h>

namespace zv::x11 {

// From now on every protocol error on `d` is kept for it instead of being reported.
void trapErrors(Display* d);

// The code of the first error kept for `d` since the last call (0: none), which is then
// forgotten. XSync first, so that the errors of the requests made so far have arrived.
int takeTrappedError(Display* d);

// Whether the server refused anything asked on `d` between the trap's making and failed().
class ErrorTrap {
public:
    explicit ErrorTrap(Display* d);
    bool failed();

private:
    Display* d_;
};

}  // namespace zv::x11
