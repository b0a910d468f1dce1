// Each connection's own errors, kept by Xlib's per-connection error hook.
#include "common/errors.h"

#include <map>
#include <mutex>

// Xlibint.h last: it defines min and max as macros.
#include <X11/Xlibint.h>

namespace zv::x11 {

namespace {

// The desktop's connection and the hook library's live on different threads.
std::mutex keptMutex;
std::map<Display*, int> firstErrors;

Bool keepError(Display* d, XErrorEvent* event, xError*) {
    std::lock_guard lock(keptMutex);
    auto [it, fresh] = firstErrors.emplace(d, event->error_code);
    if (!fresh && it->second == 0) it->second = event->error_code;
    return False;  // handled: Xlib calls no error handler
}

}  // namespace

void trapErrors(Display* d) {
    // The per-connection conversion hook sees every error before the global handler does.
    for (int code = 1; code < 256; ++code) XESetWireToError(d, code, keepError);
}

int takeTrappedError(Display* d) {
    std::lock_guard lock(keptMutex);
    auto it = firstErrors.find(d);
    if (it == firstErrors.end()) return 0;
    const int code = it->second;
    firstErrors.erase(it);
    return code;
}

ErrorTrap::ErrorTrap(Display* d) : d_(d) {
    XSync(d_, False);
    takeTrappedError(d_);
}

bool ErrorTrap::failed() {
    XSync(d_, False);
    return takeTrappedError(d_) != 0;
}

}  // namespace zv::x11
