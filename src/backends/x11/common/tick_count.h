#pragma once
// The tick count of the X11 desktop, for the program and the hook library alike: the
// milliseconds of CLOCK_MONOTONIC, wrapping at 32 bits as the Windows tick count does.

#include <cstdint>

namespace zv::x11 {

uint32_t monotonicTickCount();

}  // namespace zv::x11
