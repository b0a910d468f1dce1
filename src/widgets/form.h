#pragma once
// A window of the program: its widgets are members of the subclass, registered here by
// name in creation order, and every native event reaches it through the binding.

#include <map>
#include <memory>
#include <optional>

#include "widgets/key_chord.h"
#include "widgets/widget.h"

namespace zv {

class Application;

using WindowId = std::uint64_t;

// What a backend implements for one form. The model calls it whenever something the
// user can see changes; the binding never decides anything itself.
class FormBinding {
public:
    virtual ~FormBinding() = default;
    // A property of the form itself (widget == the form) or of one of its widgets.
    virtual void propertyChanged(Widget& widget, Prop prop) = 0;
    // The native window: what the platform's window operations name.
    virtual WindowId windowId() const = 0;
    // SetForegroundWindow on this window.
    virtual void bringToFront() = 0;
    // SetWindowPos with the topmost position, without moving, sizing or activating.
    virtual void placeTopmost() = 0;
    // The window's shape: the union of these client rectangles. Input outside them
    // goes to the windows underneath.
    virtual void setRegion(const std::vector<Rect>& rects) = 0;
    // Shows the form modally and returns once it has been hidden again.
    virtual void runModal() = 0;
    // The client size the native window really has (the user may have resized it).
    virtual std::pair<int, int> clientSize() const = 0;
    virtual void setClientSize(int width, int height) = 0;
};

enum class BorderStyle { None, Sizeable, Dialog };

class Form : public Widget {
public:
    Form(Application& app, std::string name);
    ~Form() override;

    Application& app() const { return app_; }

    // Called by the application once the backend's binding exists.
    void attach(std::unique_ptr<FormBinding> binding);
    FormBinding* binding() const { return binding_.get(); }
    WindowId windowId() const;

    // Every widget of the form, by name, in creation order (the form itself excluded).
    Widget* find(const std::string& name) const;
    const std::vector<Widget*>& widgets() const { return widgets_; }
    void registerWidget(Widget& w);
    std::vector<MenuItem*> menuBar() const;

    // Showing and hiding run FormShow; a visible form is a native window on screen.
    void setVisible(bool v) override;
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    void showModal();
    bool modal() const { return modal_; }
    // Closing runs FormClose, hides the form and, for the main form, ends the program.
    void close();
    void bringToFront();
    void placeTopmost();
    void setRegion(const std::vector<Rect>& rects);
    int clientWidth() const;
    int clientHeight() const;
    void setClientSize(int width, int height);

    // Window layout fixed at design time, which the bindings read.
    BorderStyle border = BorderStyle::Sizeable;
    bool topmost = false;
    bool minimizeBox = true, maximizeBox = true;
    bool centred = false;
    bool maximised = false;
    bool takesFocus = true;
    // False for a window that the mouse goes through everywhere: its clicks land on the
    // windows underneath, as they do in the hole of a shaped window.
    bool takesInput = true;
    bool handCursor = false;
    FontSpec font;
    uint32_t color = 0xC0C0C0;
    int designClientWidth = 0, designClientHeight = 0;

    std::function<void()> onCreate, onShow, onClose, onActivate, onDeactivate;
    std::function<void(MouseButton, int x, int y)> onMouseDown;
    std::function<void(int vk)> onKeyUp;
    // A key pressed while this window has the keyboard; true when the handler took it.
    std::function<bool(const KeyChord&)> onKeyDown;

    // What a key pressed in this window does, decided here for every desktop: the shortcut
    // or the access key (Alt and the underlined letter) of a button the user could click
    // clicks it; any other key goes to onKeyDown. True when the key was taken, and the
    // control that has the keyboard must not act on it as well. Called inside a dispatch.
    bool keyDown(const KeyChord& chord);
    // The button whose shortcut or access key this chord is, when the user could click it:
    // what a toolkit asks before it applies shortcuts of its own.
    Button* buttonFor(const KeyChord& chord) const;

    // Notifies the binding; public so that widgets reach it through their form.
    void notify(Widget& w, Prop p);

private:
    Application& app_;
    std::unique_ptr<FormBinding> binding_;
    std::vector<Widget*> widgets_;
    bool modal_ = false;
};

}  // namespace zv
