#pragma once
// The picture of each point's spot, taken when the point was recorded, by point index.

#include <optional>
#include <vector>

#include "platform/screen_pixels.h"
#include "points/point_set.h"

namespace zv {

class SpotPictures {
public:
    void clear() { pictures_.clear(); }
    void set(int index, ScreenPixels picture) {
        if (index < 0 || index >= PointSet::kCapacity) return;
        if (pictures_.size() <= static_cast<size_t>(index)) pictures_.resize(static_cast<size_t>(index) + 1);
        pictures_[static_cast<size_t>(index)] = std::move(picture);
    }
    void unset(int index) {
        if (index >= 0 && static_cast<size_t>(index) < pictures_.size()) pictures_[static_cast<size_t>(index)].reset();
    }
    const ScreenPixels* of(int index) const {
        if (index < 0 || static_cast<size_t>(index) >= pictures_.size() || !pictures_[static_cast<size_t>(index)])
            return nullptr;
        return &*pictures_[static_cast<size_t>(index)];
    }
    // Whether any of the first `count` points has a picture.
    bool any(int count) const {
        for (int i = 0; i < count && static_cast<size_t>(i) < pictures_.size(); ++i)
            if (pictures_[static_cast<size_t>(i)]) return true;
        return false;
    }

private:
    std::vector<std::optional<ScreenPixels>> pictures_;
};

}  // namespace zv
