#pragma once
#include <cstdint>

namespace zv {

// A screen pixel as an absolute mouse coordinate (0..65535): 65535 / extent first, the
// product in extended precision, rounded to the nearest with ties to even.
int32_t absoluteCoordinate(int32_t pixel, int32_t screenExtent);

}  // namespace zv
