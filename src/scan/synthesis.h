#pragma once
#include <cstdint>

namespace zv {

// A screen pixel as an absolute mouse coordinate (0..65535): 65535 / extent first, the
// product in extended precision, rounded to the nearest with ties to even.
int32_t absoluteCoordinate(int32_t pixel, int32_t screenExtent);

// The minimum-interval gate: a press before the deadline is dropped and the waiting
// period starts again from it (the deadline moves to now + interval). True when dropped.
bool pressComesTooSoon(int32_t& nextClickTick, int32_t clickInterval, uint32_t now);

}  // namespace zv
