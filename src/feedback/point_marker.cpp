#include "feedback/point_marker.h"

#include <string>

#include "feedback/overlay.h"

namespace zv {

namespace {
constexpr int kHeight = 14;
constexpr int kTip = 3;
constexpr int kDigitWidth = 7;
}  // namespace

FormPointMarker::FormPointMarker(Application& app, int number)
    : Form(app, "FormPointMarker" + std::to_string(number)),
      Numero(this, "Numero" + std::to_string(number)),
      Punta(this, "Punta" + std::to_string(number), Shape::Align::None) {
    makeOverlay(*this);
    const std::string text = std::to_string(number);
    const int width = kTip + 3 + kDigitWidth * static_cast<int>(text.size());
    setBounds({0, 0, width, kHeight});
    Numero.font = {"MS Sans Serif", 11, true, 0};
    Numero.setCentred(true);
    Numero.setBounds({kTip, 0, width - kTip, kHeight});
    Numero.setCaption(text);
    Punta.setPenColor(0);
    Punta.setBrushColor(0);
    Punta.setBounds({0, 0, kTip, kTip});
}

void FormPointMarker::showAt(int x, int y, uint32_t colour) {
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
