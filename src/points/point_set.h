#pragma once
// The ordered screen positions that scanning visits.

#include <array>
#include <cstdint>
#include <utility>

namespace zv {

struct PointSet {
    static constexpr int32_t kCapacity = 1001;

    // Every slot starts at (100, 100); slots past PointCount keep what they last held.
    PointSet() { Points.fill({100, 100}); }

    std::array<std::pair<int32_t, int32_t>, kCapacity> Points;
    int32_t PointCount = 0;
    int32_t CurrentPoint = 0;

    // Appends at PointCount. A full set takes no more points: nothing is ever written
    // past the storage.
    bool append(int32_t x, int32_t y) {
        if (PointCount < 0 || PointCount >= kCapacity) return false;
        Points[static_cast<size_t>(PointCount)] = {x, y};
        ++PointCount;
        return true;
    }
};

}  // namespace zv
