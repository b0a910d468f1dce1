#include "feedback/point_marker.h"

#include <string>

#include "feedback/overlay.h"

namespace zv {

namespace {
constexpr int kHeight = 14;
constexpr int kTip = 3;
constexpr int kDigitWidth = 7;
}  // namespace

PointMarker::PointMarker(Application& app, int number)
    : Form(app, "PointMarker" + std::to_string(number)),
      numberLabel(this, "number" + std::to_string(number)),
      tip(this, "tip" + std::to_string(number), Shape::Align::None) {
    makeOverlay(*this);
    const std::string text = std::to_string(number);
    const int width = kTip + 3 + kDigitWidth * static_cast<int>(text.size());
    setBounds({0, 0, width, kHeight});
    numberLabel.font = {"MS Sans Serif", 11, true, 0};
    numberLabel.setCentred(true);
    numberLabel.setBounds({kTip, 0, width - kTip, kHeight});
    numberLabel.setCaption(text);
    tip.setPenColor(0);
    tip.setBrushColor(0);
    tip.setBounds({0, 0, kTip, kTip});
}

void PointMarker::showAt(int x, int y, uint32_t colour) {
    setBounds({x, y, width(), height()});
    if (color != colour) {
        color = colour;
        changed(Prop::Color);
    }
    if (!visible()) {
        show();
        placeTopmost();
    }
}

}  // namespace zv
