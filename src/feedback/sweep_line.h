#pragma once
// A line of point scanning: a thin window across the whole primary screen in the tracking
// frame's colour. The mouse goes through it, so a click at the chosen point reaches the
// application even where the line lies over it.

#include "widgets/form.h"

namespace zv {

class SweepLine : public Form {
public:
    enum class Direction { Vertical, Horizontal };
    static constexpr int kThickness = 3;

    // "SweepLineVertical" or "SweepLineHorizontal".
    SweepLine(Application& app, Direction direction);

    Shape bar;

    // The line through column (vertical) or row (horizontal) `at` of a screen of this
    // size, its middle pixel on `at`; shown on top when it was hidden.
    void placeAt(int at, int screenWidth, int screenHeight);
    void setLineColour(uint32_t colour);

private:
    Direction direction_;
};

}  // namespace zv
