// The simulated side of a form: its window on the virtual desktop, frame, bounds, title and timers.
#include "backends/sim/binding.h"

#include "backends/sim/platform.h"
#include "platform/text.h"
#include "widgets/layout.h"

namespace zv::sim {

FrameInsets frameInsets(const Form& form) {
    constexpr int kCaption = 19, kMenuBar = 19;
    FrameInsets f;
    switch (form.border) {
        case BorderStyle::None: return f;
        case BorderStyle::Sizeable: f = {4, 4 + kCaption, 4, 4}; break;
        case BorderStyle::Dialog: f = {3, 3 + kCaption, 3, 3}; break;
    }
    if (!form.menuBar().empty()) f.top += kMenuBar;
    return f;
}

SimBinding::SimBinding(SimPlatform& platform, Form& form) : platform_(platform), form_(form) {
    const FrameInsets f = frameInsets(form);
    // A form designed by its client size gets the outer size that holds it.
    if ((form.width() == 0 || form.height() == 0) && form.designClientWidth > 0 && form.designClientHeight > 0) {
        form.setBounds({form.left(), form.top(), form.designClientWidth + f.left + f.right,
                        form.designClientHeight + f.top + f.bottom});
    }
    SimWindow w;
    w.name = form.name();
    w.form = &form;
    w.title = cp1252ToUtf8(form.caption());
    w.className = "T" + form.name();
    w.rect = form.bounds();
    w.clientLeft = f.left;
    w.clientTop = f.top;
    w.topmost = form.topmost;
    w.activatable = form.takesFocus;
    w.passesInput = !form.takesInput;
    id_ = platform_.desktop().addProgramWindow(w);
    for (Widget* widget : form.widgets())
        if (widget->kind() == WidgetKind::Timer && static_cast<Timer*>(widget)->on())
            platform_.timers().timerChanged(*static_cast<Timer*>(widget));
}

SimBinding::~SimBinding() { platform_.formGone(&form_, id_); }

void SimBinding::propertyChanged(Widget& widget, Prop prop) {
    if (&widget == &form_) {
        SimWindow* w = platform_.desktop().find(id_);
        if (!w) return;
        switch (prop) {
            case Prop::Visible: platform_.formShown(form_, id_, form_.visible()); break;
            case Prop::Caption: w->title = cp1252ToUtf8(form_.caption()); break;
            case Prop::Bounds: w->rect = form_.bounds(); break;
            default: break;
        }
        return;
    }
    if (prop == Prop::Focus) {
        platform_.trace()(form_.name() + " focus " + widget.name());
        if (SimWindow* w = platform_.desktop().find(id_)) w->keyboard = &widget;
        return;
    }
    if (widget.kind() != WidgetKind::Timer) return;
    if (prop == Prop::Enabled || prop == Prop::Interval) platform_.timers().timerChanged(static_cast<Timer&>(widget));
    if (prop == Prop::Period) platform_.timers().timerRestarted(static_cast<Timer&>(widget));
}

void SimBinding::bringToFront() {
    platform_.trace()("SetForegroundWindow " + form_.name());
    platform_.desktop().bringToFront(id_);
}

void SimBinding::placeTopmost() { platform_.desktop().setTopmost(id_); }

void SimBinding::setRegion(const std::vector<Rect>& rects) {
    if (SimWindow* w = platform_.desktop().find(id_)) w->region = rects;
}

void SimBinding::runModal() { platform_.runModal(form_, id_); }

std::pair<int, int> SimBinding::clientSize() const {
    const FrameInsets f = frameInsets(form_);
    return {form_.width() - f.left - f.right, form_.height() - f.top - f.bottom};
}

void SimBinding::setClientSize(int width, int height) {
    const FrameInsets f = frameInsets(form_);
    form_.setBounds({form_.left(), form_.top(), width + f.left + f.right, height + f.top + f.bottom});
    alignShapes(form_);
}

}  // namespace zv::sim
