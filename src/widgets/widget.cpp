#include "widgets/widget.h"

#include "platform/numbers.h"
#include "widgets/application.h"
#include "widgets/form.h"

namespace zv {

Widget::Widget(Form* form, std::string name, WidgetKind kind, Widget* parent)
    : form_(form), name_(std::move(name)), kind_(kind), parent_(parent) {
    if (parent_) parent_->children_.push_back(this);
    if (form_ && form_ != this) form_->registerWidget(*this);
}

void Widget::changed(Prop p) {
    if (form_) form_->notify(*this, p);
}

void Widget::setVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    changed(Prop::Visible);
}

void Widget::setEnabled(bool v) {
    if (enabled_ == v) return;
    enabled_ = v;
    changed(Prop::Enabled);
}

void Widget::setCaption(const std::string& c) {
    caption_ = c;
    changed(Prop::Caption);
}

void Widget::setHint(const std::string& h) {
    hint_ = h;
    changed(Prop::Hint);
}

void Widget::setBounds(const Rect& r) {
    if (bounds_ == r) return;
    bounds_ = r;
    changed(Prop::Bounds);
}

bool Widget::reachable() const {
    for (const Widget* w = this; w; w = w->parent()) {
        if (!w->visible() || !w->enabled()) return false;
    }
    return true;
}

MenuItem::MenuItem(Form* form, std::string name, std::string caption, MenuItem* parent)
    : Widget(form, std::move(name), WidgetKind::MenuItem, parent) {
    setCaption(caption);
}

void MenuItem::setChecked(bool c) {
    if (checked_ == c) return;
    checked_ = c;
    changed(Prop::Checked);
}

std::vector<MenuItem*> MenuItem::items() const {
    std::vector<MenuItem*> out;
    for (Widget* w : children())
        if (w->kind() == WidgetKind::MenuItem) out.push_back(static_cast<MenuItem*>(w));
    return out;
}

SpinEdit::SpinEdit(Form* form, std::string name, int minValue, int maxValue, int value, Widget* parent)
    : Widget(form, std::move(name), WidgetKind::SpinEdit, parent), min_(minValue), max_(maxValue),
      text_(std::to_string(value)) {}

void SpinEdit::setText(const std::string& t) {
    if (text_ == t) return;
    text_ = t;
    changed(Prop::Value);
    if (onChange) onChange();
}

int SpinEdit::value() const {
    int v = wholeInteger(text_).value_or(min_);
    if (v < min_) v = min_;
    if (v > max_) v = max_;
    return v;
}

void SpinEdit::setValue(int v) {
    if (v < min_) v = min_;
    if (v > max_) v = max_;
    setText(std::to_string(v));
}

Timer::Timer(Form* form, std::string name, unsigned interval)
    : Widget(form, std::move(name), WidgetKind::Timer), interval_(interval) {
    setEnabled(false);
    setVisible(false);
}

void Timer::setInterval(unsigned ms) {
    interval_ = ms;
    changed(Prop::Interval);
}

void Timer::fire() {
    if (running_ || !on() || !onTimer) return;
    // Marked running inside the dispatch, so that what waits for the handlers to return
    // finds it done.
    form()->app().dispatch([this] {
        running_ = true;
        struct Done {
            bool& running;
            ~Done() { running = false; }
        } done{running_};
        onTimer();
    });
}

void Timer::restart() {
    if (on()) changed(Prop::Period);
}

std::vector<std::string> Memo::lines() const {
    std::vector<std::string> out;
    if (text_.empty()) return out;
    size_t start = 0;
    for (size_t end; (end = text_.find("\r\n", start)) != std::string::npos; start = end + 2)
        out.push_back(text_.substr(start, end - start));
    out.push_back(text_.substr(start));
    return out;
}

void Memo::setLines(const std::vector<std::string>& lines) {
    std::string joined;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) joined += "\r\n";
        joined += lines[i];
    }
    setText(std::move(joined));
}

void ListView::setRows(std::vector<Row> rows) {
    rows_ = std::move(rows);
    changed(Prop::Rows);
    if (selected_ >= static_cast<int>(rows_.size())) setSelected(-1);
}

void ListView::setSelected(int row) {
    if (row < -1 || row >= static_cast<int>(rows_.size())) row = -1;
    selected_ = row;
    changed(Prop::Selection);
}

void ListView::userSelected(int row) {
    if (row < -1 || row >= static_cast<int>(rows_.size())) row = -1;
    if (row == selected_) return;
    selected_ = row;
    // The native list shows it already; telling the binding again keeps every desktop alike.
    changed(Prop::Selection);
    if (onSelect) onSelect();
}

void Edit::setText(std::string t) {
    text_ = std::move(t);
    changed(Prop::Text);
}

void Edit::userTyped(std::string t) {
    if (maxLength > 0 && t.size() > static_cast<size_t>(maxLength)) t.resize(static_cast<size_t>(maxLength));
    if (t == text_) return;
    text_ = std::move(t);
    changed(Prop::Text);
    if (onChange) onChange();
}

}  // namespace zv
