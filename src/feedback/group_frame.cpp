#include "feedback/group_frame.h"

#include <algorithm>
#include <climits>

#include "widgets/layout.h"

namespace zv {

GroupFrame::GroupFrame(Application& app)
    : Form(app, "GroupFrame"),
      barLeft(this, "barLeft", Shape::Align::Left),
      barRight(this, "barRight", Shape::Align::Right),
      barTop(this, "barTop", Shape::Align::Top),
      barBottom(this, "barBottom", Shape::Align::Bottom) {
    border = BorderStyle::None;
    topmost = true;
    takesFocus = false;
    takesInput = false;
    minimizeBox = maximizeBox = false;
    // Named like the program's other helper windows, so that tests can find it.
    setCaption(name());
    barTop.setHeight(kBar);
    barBottom.setHeight(kBar);
    barLeft.setWidth(kBar);
    barRight.setWidth(kBar);
    const int side = 2 * (kBar + kMargin) + 1;
    setBounds({0, 0, side, side});
    designClientWidth = designClientHeight = side;
}

void GroupFrame::frameRound(const std::vector<std::pair<int, int>>& points, uint32_t colour) {
    if (points.empty()) return;
    long long left = LLONG_MAX, top = LLONG_MAX, right = LLONG_MIN, bottom = LLONG_MIN;
    for (const auto& [x, y] : points) {
        left = std::min<long long>(left, x);
        right = std::max<long long>(right, x);
        top = std::min<long long>(top, y);
        bottom = std::max<long long>(bottom, y);
    }
    constexpr long long out = kBar + kMargin;
    // Points far off every screen must not overflow the window's rectangle.
    auto clamp = [](long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN / 4, INT_MAX / 4)); };
    const Rect r{clamp(left - out), clamp(top - out), clamp(right - left + 1 + 2 * out),
                 clamp(bottom - top + 1 + 2 * out)};
    color = colour;
    for (Shape* bar : {&barLeft, &barRight, &barTop, &barBottom}) {
        bar->setPenColor(colour);
        bar->setBrushColor(colour);
    }
    setBounds(r);
    setClientSize(r.width, r.height);
    std::vector<Rect> ring;
    for (auto& [bar, bounds] : alignedShapeBounds(*this, r.width, r.height)) {
        bar->setBounds(bounds);
        ring.push_back(bounds);
    }
    if (!visible()) show();
    // The hole shows the points and everything round them.
    setRegion(ring);
    placeTopmost();
}

}  // namespace zv
