#include "widgets/layout.h"

namespace zv {

std::vector<std::pair<Shape*, Rect>> alignedShapeBounds(const Form& form, int clientWidth, int clientHeight) {
    std::vector<std::pair<Shape*, Rect>> placed;
    int top = 0, bottom = clientHeight, left = 0, right = clientWidth;
    for (Shape::Align phase : {Shape::Align::Top, Shape::Align::Bottom, Shape::Align::Left, Shape::Align::Right}) {
        for (Widget* w : form.widgets()) {
            if (w->kind() != WidgetKind::Shape || !w->visible() || w->parent()) continue;
            auto* s = static_cast<Shape*>(w);
            if (s->align != phase) continue;
            const Rect b = s->bounds();
            Rect r;
            switch (phase) {
            case Shape::Align::Top: r = {left, top, right - left, b.height}; top += b.height; break;
            case Shape::Align::Bottom: r = {left, bottom - b.height, right - left, b.height}; bottom -= b.height; break;
            case Shape::Align::Left: r = {left, top, b.width, bottom - top}; left += b.width; break;
            case Shape::Align::Right: r = {right - b.width, top, b.width, bottom - top}; right -= b.width; break;
            case Shape::Align::None: break;
            }
            placed.emplace_back(s, r);
        }
    }
    return placed;
}

void alignShapes(Form& form) {
    for (auto& [shape, bounds] : alignedShapeBounds(form, form.clientWidth(), form.clientHeight())) shape->setBounds(bounds);
}

Rect centredOn(const Rect& outer, int screenWidth, int screenHeight) {
    return {(screenWidth - outer.width) / 2, (screenHeight - outer.height) / 2, outer.width, outer.height};
}

}  // namespace zv
