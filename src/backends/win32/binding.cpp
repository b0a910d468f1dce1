// The form's own window: creation, styles, bounds, visibility, modal display, the messages
// the form itself receives, menu commands and shortcuts, and timers.

#include "backends/win32/binding.h"
#include "widgets/layout.h"

#include <windows.h>
#include <commctrl.h>

#include "backends/win32/classes.h"
#include "backends/win32/trace.h"
#include "backends/win32/wide.h"
#include "backends/win32/win32_platform.h"

namespace zv::win32 {
namespace {

constexpr UINT kFirstMenuId = 10000;

void fire(Win32Binding& b, const std::function<void()>& handler) {
    if (handler) b.dispatch(handler);
}

MouseButton buttonOf(UINT message) {
    switch (message) {
    case WM_RBUTTONDOWN:
        return MouseButton::Right;
    case WM_MBUTTONDOWN:
        return MouseButton::Middle;
    default:
        return MouseButton::Left;
    }
}

LRESULT CALLBACK formProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* b = reinterpret_cast<Win32Binding*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (b && b->hwnd() == hwnd) return b->formMessage(hwnd, message, wParam, lParam);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

void Win32Binding::registerClasses(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    // No CS_DBLCLKS: two quick clicks are two clicks, as a switch user makes them.
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = formProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kFormClass;
    RegisterClassExW(&wc);
    registerControlClasses(instance);
}

Win32Binding* Win32Binding::of(HWND hwnd) {
    if (!hwnd) return nullptr;
    HWND root = GetAncestor(hwnd, GA_ROOT);
    if (!root) root = hwnd;
    wchar_t cls[64] = {};
    GetClassNameW(root, cls, 64);
    if (wcscmp(cls, kFormClass) != 0) return nullptr;
    auto* b = reinterpret_cast<Win32Binding*>(GetWindowLongPtrW(root, GWLP_USERDATA));
    return b && b->hwnd_ ? b : nullptr;
}

Win32Binding::Win32Binding(Win32Platform& platform, Form& form) : platform_(platform), form_(form) {
    formFont_ = scaledFont(form_.font.family, form_.font.height, form_.font.bold);
    background_ = CreateSolidBrush(formColor());
    for (Widget* w : form_.widgets())
        if (w->kind() == WidgetKind::ListView || w->kind() == WidgetKind::Edit) navigatesByKeys_ = true;
    createWindow();
    alignShapes();  // before the bars become windows, so that they are made in place
    for (Widget* w : form_.widgets()) {
        if (w->kind() == WidgetKind::Timer) {
            const UINT_PTR id = timers_.size() + 1;
            timers_[id] = static_cast<Timer*>(w);
            timerIds_[static_cast<Timer*>(w)] = id;
            applyTimer(*static_cast<Timer*>(w));
        } else if (w->kind() != WidgetKind::MenuItem) {
            createControl(*w);
        }
    }
    // The dialog keys go through the controls in the order of the window's children: in a
    // window used from the keyboard that is the order they were designed in, so that Tab
    // goes from the list to the buttons below it. Nothing overlaps in such a window.
    if (navigatesByKeys())
        for (Widget* w : form_.widgets())
            if (auto it = controls_.find(w); it != controls_.end())
                SetWindowPos(it->second.hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    platform_.added(this);
    // Made as designed; then laid out for the screen it is on.
    rescale(dpiOfWindow(hwnd_), nullptr);
}

Win32Binding::~Win32Binding() {
    platform_.removed(this);
    if (hwnd_) {
        HWND hwnd = hwnd_;
        hwnd_ = nullptr;  // no more messages into a binding that is going away
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        DestroyWindow(hwnd);
    }
    for (auto& [w, c] : controls_)
        if (c.background) DeleteObject(c.background);
    DeleteObject(background_);
}

COLORREF Win32Binding::formColor() const {
    // The high byte set names a system colour, as the designers' palette does.
    if (form_.color & 0x80000000u) return GetSysColor(static_cast<int>(form_.color & 0xFF));
    return form_.color & 0xFFFFFF;
}

COLORREF Win32Binding::colorBehind(HWND) const { return formColor(); }

HFONT Win32Binding::fontOf(const FontSpec& font) const {
    const std::string& family = font.family.empty() ? form_.font.family : font.family;
    const int height = font.height == 0 ? form_.font.height : font.height;
    return scaledFont(family, height, font.bold);
}

HFONT Win32Binding::scaledFont(const std::string& family, int height, bool bold) const {
    return platform_.font(family, scaled(height), bold);
}

DWORD Win32Binding::style() const {
    DWORD s = WS_CLIPCHILDREN;
    switch (form_.border) {
    case BorderStyle::None:
        s |= WS_POPUP;
        break;
    case BorderStyle::Dialog:
        s |= WS_POPUP | WS_CAPTION | WS_SYSMENU;
        break;
    case BorderStyle::Sizeable:
        s |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
        if (form_.minimizeBox) s |= WS_MINIMIZEBOX;
        if (form_.maximizeBox) s |= WS_MAXIMIZEBOX;
        break;
    }
    return s;
}

DWORD Win32Binding::exStyle() const {
    DWORD s = 0;
    if (form_.border == BorderStyle::Dialog) s |= WS_EX_DLGMODALFRAME;
    if (form_.topmost) s |= WS_EX_TOPMOST;
    // A window that must never take the focus from the application being operated.
    if (!form_.takesFocus) s |= WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW;
    // Layered and transparent together: hit testing passes through the whole window.
    if (!form_.takesInput) s |= WS_EX_LAYERED | WS_EX_TRANSPARENT;
    return s;
}

void Win32Binding::createWindow() {
    const bool isMain = form_.app().mainForm() == &form_;
    HMENU menu = menus_.build(form_, kFirstMenuId);
    const DWORD st = style(), ex = exStyle();
    Rect b = form_.bounds();
    if (form_.designClientWidth > 0 && form_.designClientHeight > 0) {
        RECT r{0, 0, form_.designClientWidth, form_.designClientHeight};
        adjustWindowRect(r, st, menu != nullptr, ex, dpi_);
        b.width = r.right - r.left;
        b.height = r.bottom - r.top;
    }
    if (b.width <= 0 || b.height <= 0) {
        b.width = b.width > 0 ? b.width : 320;
        b.height = b.height > 0 ? b.height : 240;
    }
    if (form_.centred) b = centredOn(b, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    HWND owner = isMain ? nullptr : platform_.ownerWindow();
    hwnd_ = CreateWindowExW(ex, kFormClass, widen(form_.caption()).c_str(), st, b.left, b.top, b.width, b.height, owner, menu,
                            platform_.instance(), this);
    if (!form_.enabled()) EnableWindow(hwnd_, FALSE);
    // A layered window shows nothing until it is given its opacity.
    if (ex & WS_EX_LAYERED) SetLayeredWindowAttributes(hwnd_, 0, 255, LWA_ALPHA);

    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, platform_.instance(), nullptr);
    syncFormBounds();
}

WindowId Win32Binding::windowId() const { return static_cast<WindowId>(reinterpret_cast<uintptr_t>(hwnd_)); }

void Win32Binding::bringToFront() {
    const BOOL done = SetForegroundWindow(hwnd_);
    if (tracing()) trace("bringToFront " + form_.name() + (done ? " done" : " refused"));
}

void Win32Binding::placeTopmost() { SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE); }

void Win32Binding::setRegion(const std::vector<Rect>& rects) {
    if (rects.empty()) {
        SetWindowRgn(hwnd_, nullptr, TRUE);
        return;
    }
    // The rectangles are in client coordinates; a window region is in window coordinates.
    RECT window;
    GetWindowRect(hwnd_, &window);
    POINT origin{0, 0};
    ClientToScreen(hwnd_, &origin);
    const int dx = origin.x - window.left, dy = origin.y - window.top;
    HRGN region = nullptr;
    for (const Rect& r : rects) {
        HRGN part = CreateRectRgn(r.left + dx, r.top + dy, r.left + r.width + dx, r.top + r.height + dy);
        if (!region) {
            region = part;
        } else {
            CombineRgn(region, region, part, RGN_OR);
            DeleteObject(part);
        }
    }
    SetWindowRgn(hwnd_, region, TRUE);  // the system owns the region from here on
}

std::pair<int, int> Win32Binding::clientSize() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return {r.right - r.left, r.bottom - r.top};
}

void Win32Binding::setClientSize(int width, int height) {
    RECT r{0, 0, width, height};
    adjustWindowRect(r, style(), GetMenu(hwnd_) != nullptr, exStyle(), dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps onto a second line takes more than the adjustment assumed.
    auto [cw, ch] = clientSize();
    if (cw != width || ch != height) {
        RECT w;
        GetWindowRect(hwnd_, &w);
        SetWindowPos(hwnd_, nullptr, 0, 0, w.right - w.left + width - cw, w.bottom - w.top + height - ch,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Win32Binding::syncFormBounds() {
    if (!hwnd_ || IsIconic(hwnd_)) return;
    RECT r;
    GetWindowRect(hwnd_, &r);
    const Rect native{r.left, r.top, r.right - r.left, r.bottom - r.top};
    if (native == form_.bounds()) return;
    ++syncing_;
    form_.setBounds(native);
    --syncing_;
}

void Win32Binding::applyFormBounds() {
    const Rect& b = form_.bounds();
    SetWindowPos(hwnd_, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Binding::applyVisible() {
    if (tracing()) trace(std::string(form_.visible() ? "show " : "hide ") + form_.name());
    if (!form_.visible()) {
        ShowWindow(hwnd_, SW_HIDE);
        return;
    }
    if (form_.centred && !form_.maximised) {
        RECT r;
        GetWindowRect(hwnd_, &r);
        const Rect at = centredOn({r.left, r.top, r.right - r.left, r.bottom - r.top}, GetSystemMetrics(SM_CXSCREEN),
                                  GetSystemMetrics(SM_CYSCREEN));
        SetWindowPos(hwnd_, nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (form_.maximised && form_.border == BorderStyle::None) {
        // A borderless window maximised is the whole primary screen; placing it there
        // ourselves also works where the system leaves popups unmaximised (Wine).
        SetWindowPos(hwnd_, nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(hwnd_, form_.takesFocus ? SW_SHOW : SW_SHOWNOACTIVATE);
    } else if (form_.maximised) {
        ShowWindow(hwnd_, SW_SHOWMAXIMIZED);
    } else if (form_.takesFocus) {
        ShowWindow(hwnd_, SW_SHOW);
    } else {
        ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
        SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    UpdateWindow(hwnd_);
}

void Win32Binding::runModal() {
    // The other windows of the program take no input while this one is up.
    std::vector<HWND> disabled;
    for (Form* f : form_.app().forms()) {
        HWND other = reinterpret_cast<HWND>(f->windowId());
        if (other && other != hwnd_ && IsWindowEnabled(other)) {
            EnableWindow(other, FALSE);
            disabled.push_back(other);
        }
    }
    if (!form_.visible()) dispatch([this] { form_.show(); });
    SetForegroundWindow(hwnd_);
    MSG msg;
    while (form_.visible() && !form_.app().terminated()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        platform_.handle(msg);
    }
    for (HWND w : disabled) EnableWindow(w, TRUE);
}

bool Win32Binding::handleShortcut(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    if (!msg.hwnd || GetAncestor(msg.hwnd, GA_ROOT) != hwnd_ || !IsWindowEnabled(hwnd_)) return false;
    Shortcut pressed;
    pressed.key = static_cast<UINT>(msg.wParam);
    pressed.ctrl = GetKeyState(VK_CONTROL) < 0;
    pressed.shift = GetKeyState(VK_SHIFT) < 0;
    // A key pressed with Alt held comes as a system key, which says so itself.
    pressed.alt = GetKeyState(VK_MENU) < 0 || (msg.message == WM_SYSKEYDOWN && (msg.lParam & (1 << 29)));
    if (MenuItem* item = menus_.byShortcut(pressed)) {
        fire(*this, item->onClick);
        return true;
    }
    // Then the form's own keys: its buttons' shortcuts and access keys, and what it takes
    // itself, before the control with the focus or the dialog keys act on them.
    const KeyChord chord{static_cast<int>(pressed.key), pressed.ctrl, pressed.shift, pressed.alt};
    bool taken = false;
    if (form_.buttonFor(chord) || form_.onKeyDown) dispatch([this, &chord, &taken] { taken = form_.keyDown(chord); });
    if (taken) return true;
    // Enter in a text field that acts on it, before the dialog keys make it the default
    // button's.
    if (pressed.key == VK_RETURN && !pressed.ctrl && !pressed.alt && !pressed.shift) {
        Control* c = control(msg.hwnd);
        if (c && c->widget->kind() == WidgetKind::Edit) {
            auto* field = static_cast<Edit*>(c->widget);
            if (field->onEnter) {
                dispatch(field->onEnter);
                return true;
            }
        }
    }
    return false;
}

bool Win32Binding::navigatesByKeys() const { return navigatesByKeys_; }

HWND Win32Binding::firstTabStop() const {
    for (Widget* w : form_.widgets()) {
        auto it = controls_.find(w);
        if (it == controls_.end()) continue;
        HWND h = it->second.hwnd;
        if ((GetWindowLongW(h, GWL_STYLE) & WS_TABSTOP) && IsWindowVisible(h) && IsWindowEnabled(h)) return h;
    }
    return nullptr;
}

bool Win32Binding::handleDialogKeys(MSG& msg) {
    // Tab between the controls and the arrows in the list, as in a dialog box, for the
    // windows made to be used from the keyboard.
    if (!navigatesByKeys_ || !hwnd_ || !msg.hwnd || GetAncestor(msg.hwnd, GA_ROOT) != hwnd_) return false;
    if (!IsWindowEnabled(hwnd_)) return false;
    return IsDialogMessageW(hwnd_, &msg) != FALSE;
}

void Win32Binding::applyTimer(Timer& t) {
    const UINT_PTR id = timerIds_[&t];
    if (t.on() && t.interval() > 0)
        SetTimer(hwnd_, id, t.interval(), nullptr);  // setting it again starts the interval anew
    else
        KillTimer(hwnd_, id);
}

void Win32Binding::onTimer(UINT_PTR id) {
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    Timer* t = it->second;
    if (!t->on()) {
        KillTimer(hwnd_, id);
        return;
    }
    t->fire();
}

void Win32Binding::propertyChanged(Widget& widget, Prop prop) {
    if (!hwnd_) return;
    if (&widget == &form_) {
        switch (prop) {
        case Prop::Caption:
            SetWindowTextW(hwnd_, widen(form_.caption()).c_str());
            break;
        case Prop::Visible:
            applyVisible();
            break;
        case Prop::Bounds:
            if (!syncing_) applyFormBounds();
            break;
        case Prop::Enabled:
            EnableWindow(hwnd_, form_.enabled());
            break;
        case Prop::Color:
            DeleteObject(background_);
            background_ = CreateSolidBrush(formColor());
            // The labels are drawn on the form's colour too.
            RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            break;
        default:
            break;
        }
        return;
    }
    switch (widget.kind()) {
    case WidgetKind::MenuItem:
        menus_.update(static_cast<MenuItem&>(widget), prop);
        DrawMenuBar(hwnd_);
        return;
    case WidgetKind::Timer:
        if (prop == Prop::Enabled || prop == Prop::Interval || prop == Prop::Period) applyTimer(static_cast<Timer&>(widget));
        return;
    default:
        break;
    }
    auto it = controls_.find(&widget);
    if (it == controls_.end()) return;
    Control& c = it->second;
    switch (prop) {
    case Prop::Visible:
        if (widget.visible() && widget.kind() == WidgetKind::Memo) applyText(c);
        ShowWindow(c.hwnd, widget.visible() ? SW_SHOWNA : SW_HIDE);
        if (c.spin) ShowWindow(c.spin, widget.visible() ? SW_SHOWNA : SW_HIDE);
        break;
    case Prop::Enabled:
        EnableWindow(c.hwnd, widget.enabled());
        if (c.spin) EnableWindow(c.spin, widget.enabled());
        break;
    case Prop::Caption:
    case Prop::Value:
    case Prop::Lines:
    case Prop::Rows:
    case Prop::Selection:
    case Prop::Text:
        applyText(c);
        break;
    case Prop::Hint:
        applyHint(c);
        break;
    case Prop::Bounds:
        if (!syncing_) applyBounds(c);
        break;
    case Prop::Focus:
        SetFocus(c.hwnd);
        break;
    case Prop::Font:
        if (widget.kind() == WidgetKind::Memo) SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(static_cast<Memo&>(widget).font)), TRUE);
        InvalidateRect(c.hwnd, nullptr, TRUE);
        break;
    default:
        InvalidateRect(c.hwnd, nullptr, TRUE);
        break;
    }
}

LRESULT Win32Binding::formMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (containerMessage(message, wParam, lParam, result)) return result;
    switch (message) {
    case WM_COMMAND:
        if (lParam == 0) {
            // A menu entry; the system sends commands of enabled entries only.
            if (MenuItem* item = menus_.byCommand(LOWORD(wParam)); item && item->enabled()) fire(*this, item->onClick);
            return 0;
        }
        break;
    case WM_TIMER:
        onTimer(wParam);
        return 0;
    case kSelectionMessage:
        if (Control* c = control(reinterpret_cast<HWND>(wParam)); c && c->widget->kind() == WidgetKind::ListView) {
            const int row = static_cast<int>(SendMessageW(c->hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
            auto* list = static_cast<ListView*>(c->widget);
            dispatch([list, row] { list->userSelected(row); });
        }
        return 0;
    case WM_CLOSE:
        dispatch([this] { form_.close(); });
        return 0;
    case WM_ACTIVATEAPP:
        platform_.applicationActivated(form_.app(), wParam != FALSE);
        return 0;
    case WM_ACTIVATE:
        // A window used from the keyboard gets its keyboard back where it was, as a dialog
        // box does; the first control that takes it the first time.
        if (navigatesByKeys()) {
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
            } else if (!IsIconic(hwnd_)) {
                HWND target = lastFocus_ && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_)
                                  ? lastFocus_
                                  : firstTabStop();
                if (target) SetFocus(target);
            }
        }
        fire(*this, LOWORD(wParam) == WA_INACTIVE ? form_.onDeactivate : form_.onActivate);
        if (navigatesByKeys() && LOWORD(wParam) != WA_INACTIVE) return 0;
        break;
    case WM_MOUSEACTIVATE:
        if (!form_.takesFocus) return MA_NOACTIVATE;
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
        if (message == WM_LBUTTONDOWN) {
            leftDown_ = true;
            SetCapture(hwnd);
        }
        if (form_.onMouseDown) {
            const MouseButton button = buttonOf(message);
            dispatch([this, button, x, y] { form_.onMouseDown(button, x, y); });
        }
        return 0;
    }
    case WM_LBUTTONUP: {
        const bool wasDown = leftDown_;
        leftDown_ = false;
        if (GetCapture() == hwnd) ReleaseCapture();
        RECT r;
        GetClientRect(hwnd, &r);
        const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (wasDown && PtInRect(&r, p)) fire(*this, form_.onClick);
        return 0;
    }
    case WM_CAPTURECHANGED:
        leftDown_ = false;
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (form_.onKeyUp) {
            const int vk = static_cast<int>(wParam);
            dispatch([this, vk] { form_.onKeyUp(vk); });
        }
        break;
    case WM_SETCURSOR:
        if (form_.handCursor && LOWORD(lParam) == HTCLIENT) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, background_);
        return 1;
    }
    case WM_WINDOWPOSCHANGED:
        syncFormBounds();
        alignShapes();
        break;
    case WM_DPICHANGED:
        // Moved to a screen of another resolution, or the user changed the scale.
        rescale(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace zv::win32
