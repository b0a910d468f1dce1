#pragma once
// Event times in the program's tick count. The X server stamps each event with its own
// milliseconds; a server on this machine (Xorg, Xvfb) counts those of CLOCK_MONOTONIC, as
// the program's tick count does, but a display elsewhere counts from its own start. The
// difference is measured once: the server's time of a property change of ours, taken
// between two readings of the tick count.

#include <X11/Xlib.h>

#include <cstdint>
#include <optional>

namespace zv::hooklib {

class ServerClock {
public:
    // Measures the difference on the connection; it stays 0 when the server does not answer.
    void calibrate(Display* dpy, Window root);

    // The server's time of an XInput2 event, for those that carry one.
    static std::optional<Time> timeOf(const XGenericEventCookie& cookie);

    // The moment, in the tick count, of an event the server stamped at serverTime.
    uint32_t tickOf(Time serverTime) const { return static_cast<uint32_t>(serverTime) + offset_; }

    // The difference to add to a server time, from a server time seen between the tick
    // counts before and after: none when it lies between them (the same clock), else the
    // one that puts it halfway. Both clocks wrap at 32 bits.
    static uint32_t offsetFrom(uint32_t before, uint32_t server, uint32_t after);

private:
    uint32_t offset_ = 0;
};

}  // namespace zv::hooklib
