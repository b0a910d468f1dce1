#include "feedback/sweep_line.h"

#include "feedback/overlay.h"

namespace zv {

SweepLine::SweepLine(Application& app, Direction direction)
    : Form(app, direction == Direction::Vertical ? "SweepLineVertical" : "SweepLineHorizontal"),
      bar(this, direction == Direction::Vertical ? "barVertical" : "barHorizontal", Shape::Align::None),
      direction_(direction) {
    makeOverlay(*this);
    setBounds({0, 0, kThickness, kThickness});
    bar.setBounds({0, 0, kThickness, kThickness});
}

void SweepLine::placeAt(int at, int screenWidth, int screenHeight) {
    const int from = at - kThickness / 2;
    const Rect line = direction_ == Direction::Vertical ? Rect{from, 0, kThickness, screenHeight}
                                                        : Rect{0, from, screenWidth, kThickness};
    setBounds(line);
    bar.setBounds({0, 0, line.width, line.height});
    if (!visible()) {
        show();
        placeTopmost();
    }
}

void SweepLine::setLineColour(uint32_t colour) {
    color = colour;
    bar.setPenColor(colour);
    bar.setBrushColor(colour);
}

}  // namespace zv
