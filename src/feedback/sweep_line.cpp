#include "feedback/sweep_line.h"

#include "feedback/overlay.h"

namespace zv {

SweepLine::SweepLine(Application& app, Direction direction)
    : Form(app, direction == Direction::Vertical ? "FormLiniaVertical" : "FormLiniaHoritzontal"),
      Barra(this, direction == Direction::Vertical ? "BarraVertical" : "BarraHoritzontal", Shape::Align::None),
      direction_(direction) {
    makeOverlay(*this);
    setBounds({0, 0, kThickness, kThickness});
    Barra.setBounds({0, 0, kThickness, kThickness});
}

void SweepLine::placeAt(int at, int screenWidth, int screenHeight) {
    const int from = at - kThickness / 2;
    const Rect line = direction_ == Direction::Vertical ? Rect{from, 0, kThickness, screenHeight}
                                                        : Rect{0, from, screenWidth, kThickness};
    setBounds(line);
    Barra.setBounds({0, 0, line.width, line.height});
    if (!visible()) {
        show();
        placeTopmost();
    }
}

void SweepLine::setLineColour(uint32_t colour) {
    color = colour;
    Barra.setPenColor(colour);
    Barra.setBrushColor(colour);
}

}  // namespace zv
