#include "feedback/form_transparent.h"

#include "widgets/layout.h"

namespace zv {

namespace {
constexpr int kBar = 8;
constexpr int kDesignSize = 137;
// Red, as the system names its colours (blue in the high byte).
constexpr uint32_t kWarningRed = 0x0000FF;
}  // namespace

FormTransparent::FormTransparent(Application& app)
    : Form(app, "FormTransparent"),
      Shape1(this, "Shape1", Shape::Align::Left),
      Shape2(this, "Shape2", Shape::Align::Right),
      Shape3(this, "Shape3", Shape::Align::Top),
      Shape4(this, "Shape4", Shape::Align::Bottom),
      bar_(kBar) {
    border = BorderStyle::None;
    topmost = true;
    takesFocus = false;
    minimizeBox = maximizeBox = false;
    setBounds({0, 0, kDesignSize, kDesignSize});
    designClientWidth = designClientHeight = kDesignSize;
    layOutBars();
    color = static_cast<uint32_t>(ColorQuadre);
    onCreate = [this] { FormCreate(); };
}

void FormTransparent::FormCreate() {
    bar_ = Shape3.height();
    ColorQuadre = 255;
    GrandariaBase = width();
    GrandariaX = 100;
    GrandariaY = 200;
    color = static_cast<uint32_t>(ColorQuadre);
    ActualitzarRegio();
}

void FormTransparent::layOutBars() {
    // Each bar keeps the thickness the frame was made with; alignment does the rest.
    Shape3.setHeight(bar_);
    Shape4.setHeight(bar_);
    Shape1.setWidth(bar_);
    Shape2.setWidth(bar_);
    for (auto& [bar, bounds] : alignedShapeBounds(*this, width(), height())) bar->setBounds(bounds);
}

void FormTransparent::setFrameSize(int w, int h) {
    setBounds({left(), top(), w, h});
    setClientSize(w, h);
    layOutBars();
}

void FormTransparent::ActualitzarRegio() {
    std::vector<Rect> rects;
    for (Shape* s : {&Shape1, &Shape2, &Shape3, &Shape4})
        if (s->visible()) rects.push_back(s->bounds());
    if (!rects.empty()) setRegion(rects);
}

void FormTransparent::setBarColour(int32_t colour) {
    ColorQuadre = colour;
    if (warning_) return;
    color = static_cast<uint32_t>(colour);
    for (Shape* s : {&Shape1, &Shape2, &Shape3, &Shape4}) s->setPenColor(static_cast<uint32_t>(colour));
    for (Shape* s : {&Shape1, &Shape2, &Shape3, &Shape4}) s->setBrushColor(static_cast<uint32_t>(colour));
}

void FormTransparent::showWarning(bool on) {
    warning_ = on;
    const uint32_t colour = on ? kWarningRed : static_cast<uint32_t>(ColorQuadre);
    color = colour;
    for (Shape* s : {&Shape1, &Shape2, &Shape3, &Shape4}) s->setPenColor(colour);
    for (Shape* s : {&Shape1, &Shape2, &Shape3, &Shape4}) s->setBrushColor(colour);
}

void FormTransparent::placeAround(int x, int y) {
    setTop(y - height() / 2);
    setLeft(x - width() / 2);
    show();
    placeTopmost();
}

}  // namespace zv
