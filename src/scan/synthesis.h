#pragma once
#include <cstdint>

namespace zv {

// A screen pixel as an absolute mouse coordinate (0..65535): 65535 / extent first, the
// product in extended precision, rounded to the nearest with ties to even.
int32_t absoluteCoordinate(int32_t pixel, int32_t screenExtent);

// The minimum-interval gate: a press before the deadline is dropped and the waiting
// period starts again from it (the deadline moves to now + interval). True when dropped.
// The tick count wraps (at 2^31 as a signed number, at 2^32 as an unsigned one): the
// deadline and now are compared by their difference, and a deadline is never further
// ahead than the longest interval, so one that seems to be further lies behind.
bool pressComesTooSoon(int32_t& nextClickTick, int32_t clickInterval, uint32_t now);

}  // namespace zv
