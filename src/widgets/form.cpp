#include "widgets/form.h"

#include "widgets/application.h"

namespace zv {

Form::Form(Application& app, std::string name) : Widget(this, std::move(name), WidgetKind::Form), app_(app) {
    Widget::setVisible(false);
}

Form::~Form() = default;

void Form::attach(std::unique_ptr<FormBinding> binding) { binding_ = std::move(binding); }

WindowId Form::windowId() const { return binding_ ? binding_->windowId() : 0; }

void Form::registerWidget(Widget& w) { widgets_.push_back(&w); }

Widget* Form::find(const std::string& name) const {
    for (Widget* w : widgets_)
        if (w->name() == name) return w;
    return nullptr;
}

std::vector<MenuItem*> Form::menuBar() const {
    std::vector<MenuItem*> out;
    for (Widget* w : widgets_)
        if (w->kind() == WidgetKind::MenuItem && !w->parent()) out.push_back(static_cast<MenuItem*>(w));
    return out;
}

void Form::notify(Widget& w, Prop p) {
    if (binding_) binding_->propertyChanged(w, p);
}

void Form::setVisible(bool v) {
    if (visible() == v) return;
    Widget::setVisible(v);
    if (v && onShow) onShow();
}

void Form::showModal() {
    modal_ = true;
    if (binding_) {
        binding_->runModal();
    }
    modal_ = false;
}

void Form::close() {
    if (onClose) onClose();
    hide();
    if (app_.mainForm() == this) app_.terminate();
}

void Form::bringToFront() {
    if (binding_) binding_->bringToFront();
}

void Form::placeTopmost() {
    if (binding_) binding_->placeTopmost();
}

void Form::setRegion(const std::vector<Rect>& rects) {
    if (binding_) binding_->setRegion(rects);
}

int Form::clientWidth() const { return binding_ ? binding_->clientSize().first : designClientWidth; }
int Form::clientHeight() const { return binding_ ? binding_->clientSize().second : designClientHeight; }

void Form::setClientSize(int width, int height) {
    designClientWidth = width;
    designClientHeight = height;
    if (binding_) binding_->setClientSize(width, height);
}

Button* Form::buttonFor(const KeyChord& chord) const {
    for (Widget* w : widgets_) {
        if (w->kind() != WidgetKind::Button || !w->reachable()) continue;
        auto* button = static_cast<Button*>(w);
        if (auto shortcut = parseChord(button->shortcut); shortcut && *shortcut == chord) return button;
        const int access = accessKeyOf(button->caption());
        if (access != 0 && chord.alt && !chord.ctrl && chord.vk == access) return button;
    }
    return nullptr;
}

bool Form::keyDown(const KeyChord& chord) {
    if (Button* button = buttonFor(chord)) {
        if (button->onClick) button->onClick();
        return true;
    }
    return onKeyDown && onKeyDown(chord);
}

}  // namespace zv
