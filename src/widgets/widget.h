#pragma once
// The portable widget model: plain objects with properties and events. Setting a
// property tells the form's binding, which mirrors it into the native widget at once.
// Nothing here knows a toolkit or an operating system.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zv {

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};

// Period: a timer's period starts again from now (its next tick one interval later).
// Rows and Selection: a list's content and its selected row; Text: a text field's text.
enum class Prop { Caption, Hint, Visible, Enabled, Checked, Bounds, Value, Interval, Period, Color, Picture, Lines, Alignment, Font, Rows, Selection, Text, Focus };

enum class WidgetKind { Form, MenuItem, ToolButton, SpinEdit, Timer, Label, Image, Panel, Shape, Memo, Button, Bevel, ListView, Edit };

enum class MouseButton { Left, Right, Middle };

class Form;

class Widget {
public:
    Widget(Form* form, std::string name, WidgetKind kind, Widget* parent = nullptr);
    virtual ~Widget() = default;
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;

    const std::string& name() const { return name_; }
    WidgetKind kind() const { return kind_; }
    Form* form() const { return form_; }
    Widget* parent() const { return parent_; }
    const std::vector<Widget*>& children() const { return children_; }

    bool visible() const { return visible_; }
    virtual void setVisible(bool v);
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);
    // The caption is code page 1252 text; menu captions use "&" for the access key.
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c);
    const std::string& hint() const { return hint_; }
    void setHint(const std::string& h);

    const Rect& bounds() const { return bounds_; }
    void setBounds(const Rect& r);
    int left() const { return bounds_.left; }
    int top() const { return bounds_.top; }
    int width() const { return bounds_.width; }
    int height() const { return bounds_.height; }
    void setLeft(int v) { setBounds({v, bounds_.top, bounds_.width, bounds_.height}); }
    void setTop(int v) { setBounds({bounds_.left, v, bounds_.width, bounds_.height}); }
    void setWidth(int v) { setBounds({bounds_.left, bounds_.top, v, bounds_.height}); }
    void setHeight(int v) { setBounds({bounds_.left, bounds_.top, bounds_.width, v}); }

    // True when the widget and every widget above it are visible and enabled:
    // what a user can actually click.
    bool reachable() const;
    // The keyboard goes to this widget, as the Tab key or a label's access key takes it.
    void takeFocus() { changed(Prop::Focus); }

    std::function<void()> onClick;

protected:
    void changed(Prop p);

private:
    Form* form_;
    std::string name_;
    WidgetKind kind_;
    Widget* parent_;
    std::vector<Widget*> children_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    std::string hint_;
    Rect bounds_;
};

class MenuItem : public Widget {
public:
    MenuItem(Form* form, std::string name, std::string caption, MenuItem* parent = nullptr);
    bool checked() const { return checked_; }
    void setChecked(bool c);
    // "Ctrl+B" style; empty when the entry has none.
    std::string shortcut;
    bool separator() const { return caption() == "-"; }
    std::vector<MenuItem*> items() const;

private:
    bool checked_ = false;
};

class ToolButton : public Widget {
public:
    ToolButton(Form* form, std::string name, Widget* parent = nullptr) : Widget(form, std::move(name), WidgetKind::ToolButton, parent) {}
    std::string picture;   // name of a picture under assets/
    bool flat = true;
};

class Button : public Widget {
public:
    Button(Form* form, std::string name, Widget* parent = nullptr) : Widget(form, std::move(name), WidgetKind::Button, parent) {}
    bool bold = false;
    // "Ctrl+Z" style, besides the access key of the caption; empty when it has none.
    std::string shortcut;
};

// A list of rows in columns, one row selected or none. The columns are fixed at design
// time; the rows are code page 1252 texts, one per column.
class ListView : public Widget {
public:
    struct Column {
        std::string caption;
        int width = 0;
    };
    using Row = std::vector<std::string>;

    ListView(Form* form, std::string name, Widget* parent = nullptr) : Widget(form, std::move(name), WidgetKind::ListView, parent) {}
    std::vector<Column> columns;

    const std::vector<Row>& rows() const { return rows_; }
    // New rows; the selection stays on its row number while that row exists.
    void setRows(std::vector<Row> rows);
    // -1 when no row is selected.
    int selected() const { return selected_; }
    // The program selects a row (-1 for none): the list shows it, onSelect does not run.
    void setSelected(int row);
    // The user selected a row: the binding reports it, and onSelect runs when it changed.
    void userSelected(int row);
    std::function<void()> onSelect;

private:
    std::vector<Row> rows_;
    int selected_ = -1;
};

// A one-line text field the user types into.
class Edit : public Widget {
public:
    Edit(Form* form, std::string name, Widget* parent = nullptr) : Widget(form, std::move(name), WidgetKind::Edit, parent) {}
    const std::string& text() const { return text_; }
    // The program sets the text: the field shows it, onChange does not run.
    void setText(std::string t);
    // The user changed the text: the binding reports it, and onChange runs.
    void userTyped(std::string t);
    // The longest text the user may type; 0 for no limit.
    int maxLength = 0;
    std::function<void()> onChange;
    // The user pressed Enter in the field (a form's own keys are offered the key first).
    std::function<void()> onEnter;

private:
    std::string text_;
};

class SpinEdit : public Widget {
public:
    SpinEdit(Form* form, std::string name, int minValue, int maxValue, int value, Widget* parent = nullptr);
    int minValue() const { return min_; }
    int maxValue() const { return max_; }
    // The text may hold anything the program put there; the value is the text read as a
    // whole number, the minimum when it is none, kept within the limits.
    const std::string& text() const { return text_; }
    void setText(const std::string& t);
    int value() const;
    void setValue(int v);
    void stepUp() { setValue(value() + 1); }
    void stepDown() { setValue(value() - 1); }
    int fontHeight = -13;
    std::function<void()> onChange;

private:
    int min_, max_;
    std::string text_;
};

class Timer : public Widget {
public:
    Timer(Form* form, std::string name, unsigned interval);
    unsigned interval() const { return interval_; }
    void setInterval(unsigned ms);
    bool on() const { return enabled(); }
    void setOn(bool v) { setEnabled(v); }
    std::function<void()> onTimer;

    // One tick, as every backend delivers it: the handler runs unless the timer is off or
    // its handler is running already. A handler that waits keeps the message loop going,
    // and its own timer must never enter it a second time.
    void fire();
    bool running() const { return running_; }
    // The period starts again from now: the next tick comes one interval later.
    void restart();

private:
    unsigned interval_;
    bool running_ = false;
};

struct FontSpec {
    std::string family;
    int height = 0;    // pixels
    bool bold = false;
    uint32_t color = 0;  // 0x00BBGGRR
};

class Label : public Widget {
public:
    Label(Form* form, std::string name, Widget* parent = nullptr) : Widget(form, std::move(name), WidgetKind::Label, parent) {}
    FontSpec font;
    bool centred = false;
    bool wordWrap = false;
    void setCentred(bool c) { centred = c; changed(Prop::Alignment); }
};

class Image : public Widget {
public:
    Image(Form* form, std::string name, Widget* parent = nullptr) : Widget(form, std::move(name), WidgetKind::Image, parent) {}
    const std::string& picture() const { return picture_; }
    void setPicture(const std::string& p) { picture_ = p; changed(Prop::Picture); }
    bool centred = false;
    bool transparent = false;
    std::function<void(MouseButton, int x, int y)> onMouseDown;

private:
    std::string picture_;
};

class Panel : public Widget {
public:
    enum class Bevel { None, Lowered, Raised };
    Panel(Form* form, std::string name, Widget* parent = nullptr) : Widget(form, std::move(name), WidgetKind::Panel, parent) {}
    Bevel inner = Bevel::None, outer = Bevel::None;
};

class Shape : public Widget {
public:
    enum class Align { None, Left, Right, Top, Bottom };
    Shape(Form* form, std::string name, Align align) : Widget(form, std::move(name), WidgetKind::Shape), align(align) {}
    Align align;
    uint32_t penColor() const { return pen_; }
    uint32_t brushColor() const { return brush_; }
    void setPenColor(uint32_t c) { pen_ = c; changed(Prop::Color); }
    void setBrushColor(uint32_t c) { brush_ = c; changed(Prop::Color); }

private:
    uint32_t pen_ = 255, brush_ = 255;
};

class Bevel : public Widget {
public:
    Bevel(Form* form, std::string name, Widget* parent = nullptr) : Widget(form, std::move(name), WidgetKind::Bevel, parent) {}
    bool raised = false;
};

class Memo : public Widget {
public:
    Memo(Form* form, std::string name, Widget* parent = nullptr) : Widget(form, std::move(name), WidgetKind::Memo, parent) {}
    // The text as a multi-line edit holds it: the lines joined by CR LF. Kept as one text
    // rather than a list, so that a file of a million empty lines costs two bytes each.
    const std::string& text() const { return text_; }
    void setText(std::string t) { text_ = std::move(t); changed(Prop::Lines); }
    std::vector<std::string> lines() const;
    void setLines(const std::vector<std::string>& lines);
    void clear() { setText({}); }
    bool readOnly = false;
    bool wordWrap = true;
    FontSpec font;
    uint32_t background = 0xFFFFFF;

private:
    std::string text_;
};

}  // namespace zv
