#pragma once
// The frame round a lit group of group scanning: four bars in the tracking frame's colour
// round all the points of the group, whatever the tracking frame's own option. The mouse
// goes through it everywhere, bars included, so that it never takes a click meant for the
// application.

#include <utility>
#include <vector>

#include "widgets/form.h"

namespace zv {

class GroupFrame : public Form {
public:
    static constexpr int kBar = 6;
    // Between the outermost points and the inner edge of the bars.
    static constexpr int kMargin = 10;

    explicit GroupFrame(Application& app);

    Shape barLeft, barRight, barTop, barBottom;

    // Round these screen points, in this colour, shown on top.
    void frameRound(const std::vector<std::pair<int, int>>& points, uint32_t colour);
};

}  // namespace zv
