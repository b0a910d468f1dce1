#pragma once
// The marker of a point while the point editor is open: a small window with the point's
// number, its top left corner on the point. The mouse goes through it, so a click that
// places a point lands on the application even where a marker lies over it.

#include "widgets/form.h"

namespace zv {

class PointMarker : public Form {
public:
    // The marker of point `number` (from 1), named "PointMarker" and that number. Its
    // size is fixed here, so that a desktop that lays windows out for its screen's
    // resolution keeps it so.
    PointMarker(Application& app, int number);

    Label numberLabel;
    // A dark corner on the point itself, which the rest of the marker leaves uncovered.
    Shape tip;

    // Shows the marker at (x, y) in this background colour, on top.
    void showAt(int x, int y, uint32_t colour);
};

}  // namespace zv
