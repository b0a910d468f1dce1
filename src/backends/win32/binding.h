#pragma once
// The Win32 binding of the widget model: one native top-level window per Form, built from
// whatever widgets the form holds, with its menu bar, child controls, tooltips and timers.
// Native events enter the model only through Application::dispatch; the binding decides
// nothing for the program, it mirrors properties and reports what the user did.

#include <windows.h>

#include <map>
#include <memory>

#include "backends/win32/dpi.h"
#include "backends/win32/menus.h"
#include "widgets/application.h"
#include "widgets/form.h"

namespace zv::win32 {

class Win32Platform;

class Win32Binding final : public FormBinding {
public:
    Win32Binding(Win32Platform& platform, Form& form);
    ~Win32Binding() override;

    static void registerClasses(HINSTANCE instance);
    // Posted to a form when a list let go of its row: whether another row was taken is
    // known once the list has finished the change.
    static constexpr UINT kSelectionMessage = WM_APP + 2;

    void propertyChanged(Widget& widget, Prop prop) override;
    WindowId windowId() const override;
    void bringToFront() override;
    void placeTopmost() override;
    void setRegion(const std::vector<Rect>& rects) override;
    void runModal() override;
    std::pair<int, int> clientSize() const override;
    void setClientSize(int width, int height) override;

    HWND hwnd() const { return hwnd_; }
    Form& form() const { return form_; }
    // A key press that is one of this form's menu shortcuts runs the entry, one that the
    // form takes (Form::keyDown) goes to the form; true when taken.
    bool handleShortcut(const MSG& msg);
    // The keys of a dialog box (Tab between the controls) in a form made to be used from the
    // keyboard; true when taken.
    bool handleDialogKeys(MSG& msg);

    // One native child control of a widget.
    struct Control {
        Widget* widget = nullptr;
        HWND hwnd = nullptr;
        HWND spin = nullptr;  // the up-down arrows of a SpinEdit (hwnd is its edit)
        UINT id = 0;
        HBRUSH background = nullptr;
        bool pressed = false;  // left button went down here and is not yet up
    };

    // Used by the window procedures of the forms and of the child controls.
    static Win32Binding* of(HWND hwnd);
    LRESULT formMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Messages that children send to their parent (the form or a panel): clicks,
    // notifications, colours, owner drawing. True when handled.
    bool containerMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    Control* control(HWND hwnd);
    void dispatch(const std::function<void()>& handler) { form_.app().dispatch(handler); }
    Win32Platform& platform() const { return platform_; }
    // Fonts are designed in pixels at 96 per inch and made for the window's screen.
    HFONT fontOf(const FontSpec& font) const;
    HFONT formFont() const { return formFont_; }
    // The resolution of the window's screen, and a designed length on it.
    unsigned dpi() const { return dpi_; }
    int scaled(int designPixels) const { return rescaled(designPixels, kDesignDpi, dpi_); }
    // Lays the form out again for a screen of another resolution: the widgets' bounds and
    // fonts, and the window's size (the one suggested, or its client area scaled).
    void rescale(unsigned dpi, const RECT* suggested);
    COLORREF formColor() const;
    COLORREF colorBehind(HWND child) const;

private:
    void createWindow();
    void createControl(Widget& w);
    HFONT controlFont(Widget& w) const;
    HFONT scaledFont(const std::string& family, int height, bool bold) const;
    bool laysOut() const;
    HWND parentOf(Widget& w) const;
    void applyBounds(Control& c);
    void applyText(Control& c);
    void applyHint(Control& c);
    void applyFormBounds();
    void syncFormBounds();
    void alignShapes();
    void applyVisible();
    void applyTimer(Timer& t);
    void onTimer(UINT_PTR id);
    DWORD style() const;
    DWORD exStyle() const;
    bool navigatesByKeys() const;
    HWND firstTabStop() const;

    Win32Platform& platform_;
    Form& form_;
    HWND hwnd_ = nullptr;
    HWND tooltip_ = nullptr;
    HFONT formFont_ = nullptr;
    unsigned dpi_ = kDesignDpi;
    HBRUSH background_ = nullptr;
    MenuBar menus_;
    std::map<Widget*, Control> controls_;
    std::map<HWND, Control*> byHwnd_;
    std::map<UINT, Control*> byId_;
    std::map<Timer*, UINT_PTR> timerIds_;
    std::map<UINT_PTR, Timer*> timers_;
    UINT nextId_ = 100;
    int syncing_ = 0;
    bool leftDown_ = false;
    HWND lastFocus_ = nullptr;
    // A list or a text field: a window made to be used from the keyboard.
    bool navigatesByKeys_ = false;
};

}  // namespace zv::win32
