// Drawing and the mouse of the child controls: owner-drawn labels and tool buttons, and
// the window classes of images, panels, bevels and shapes. Also the messages that every
// container (the form or a panel) receives from its children.

#include <windows.h>
#include <commctrl.h>

#include "backends/win32/binding.h"
#include "backends/win32/classes.h"
#include "backends/win32/wide.h"
#include "backends/win32/win32_platform.h"

namespace zv::win32 {
namespace {

void fillRect(HDC dc, const RECT& r, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

SIZE bitmapSize(HBITMAP bitmap) {
    BITMAP bm{};
    GetObjectW(bitmap, sizeof bm, &bm);
    return {bm.bmWidth, bm.bmHeight};
}

// Transparent pictures take the colour of their bottom-left pixel as the see-through one.
// A picture drawn larger than it is (on a screen of more than 96 pixels per inch) is first
// laid on its ground at its own size and then smoothed up, so that the see-through colour
// leaves no fringe.
void drawBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width, int height, bool transparent, COLORREF ground) {
    const SIZE s = bitmapSize(bitmap);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (width == s.cx && height == s.cy) {
        if (transparent) {
            const COLORREF key = GetPixel(memory, 0, s.cy - 1);
            TransparentBlt(dc, x, y, s.cx, s.cy, memory, 0, 0, s.cx, s.cy, key);
        } else {
            BitBlt(dc, x, y, s.cx, s.cy, memory, 0, 0, SRCCOPY);
        }
    } else {
        HDC laid = CreateCompatibleDC(dc);
        HBITMAP laidBitmap = CreateCompatibleBitmap(dc, s.cx, s.cy);
        HGDIOBJ oldLaid = SelectObject(laid, laidBitmap);
        if (transparent) {
            fillRect(laid, RECT{0, 0, s.cx, s.cy}, ground);
            const COLORREF key = GetPixel(memory, 0, s.cy - 1);
            TransparentBlt(laid, 0, 0, s.cx, s.cy, memory, 0, 0, s.cx, s.cy, key);
        } else {
            BitBlt(laid, 0, 0, s.cx, s.cy, memory, 0, 0, SRCCOPY);
        }
        const int oldMode = SetStretchBltMode(dc, HALFTONE);
        POINT oldOrigin;
        SetBrushOrgEx(dc, 0, 0, &oldOrigin);
        StretchBlt(dc, x, y, width, height, laid, 0, 0, s.cx, s.cy, SRCCOPY);
        SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
        SetStretchBltMode(dc, oldMode);
        SelectObject(laid, oldLaid);
        DeleteObject(laidBitmap);
        DeleteDC(laid);
    }
    SelectObject(memory, old);
    DeleteDC(memory);
}

void drawLabel(Win32Binding& b, const DRAWITEMSTRUCT& di, Label& label) {
    HDC dc = di.hDC;
    RECT r = di.rcItem;
    fillRect(dc, r, b.colorBehind(di.hwndItem));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, label.enabled() ? (label.font.color & 0xFFFFFF) : GetSysColor(COLOR_GRAYTEXT));
    HGDIOBJ old = SelectObject(dc, b.fontOf(label.font));
    std::wstring text = widen(label.caption());
    DrawTextW(dc, text.c_str(), -1, &r, (label.centred ? DT_CENTER : DT_LEFT) | (label.wordWrap ? DT_WORDBREAK : 0) | DT_EXPANDTABS);
    SelectObject(dc, old);
}

void drawToolButton(Win32Binding& b, const DRAWITEMSTRUCT& di, ToolButton& button) {
    HDC dc = di.hDC;
    RECT r = di.rcItem;
    const COLORREF ground = b.formColor();
    fillRect(dc, r, ground);
    const bool pressed = di.itemState & ODS_SELECTED;
    const bool disabled = di.itemState & ODS_DISABLED;
    // Flat: an edge only while it is being pressed.
    if (pressed) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    // A disabled button shows its picture greyed, as the system's own buttons do.
    Pictures& pictures = b.platform().pictures();
    HBITMAP picture = disabled ? pictures.greyed(button.picture, ground) : pictures.find(button.picture);
    if (!picture) return;
    const SIZE s = bitmapSize(picture);
    const int width = b.scaled(s.cx), height = b.scaled(s.cy);
    const int x = (r.right - r.left - width) / 2 + (pressed ? 1 : 0);
    const int y = (r.bottom - r.top - height) / 2 + (pressed ? 1 : 0);
    drawBitmap(dc, picture, x, y, width, height, !disabled, ground);
}

void paintImage(Win32Binding& b, HDC dc, HWND hwnd, Image& image) {
    RECT r;
    GetClientRect(hwnd, &r);
    const COLORREF ground = b.colorBehind(hwnd);
    fillRect(dc, r, ground);
    Pictures& pictures = b.platform().pictures();
    HBITMAP picture = pictures.find(image.picture());
    if (!picture) return;
    SIZE s = bitmapSize(picture);
    if (!pictures.isSnapshot(image.picture())) s = {b.scaled(s.cx), b.scaled(s.cy)};
    int x = 0, y = 0;
    if (image.centred) {
        x = (r.right - s.cx) / 2;
        y = (r.bottom - s.cy) / 2;
    }
    drawBitmap(dc, picture, x, y, s.cx, s.cy, image.transparent, ground);
}

void paintPanel(Win32Binding& b, HDC dc, HWND hwnd, Widget& w) {
    RECT r;
    GetClientRect(hwnd, &r);
    fillRect(dc, r, b.colorBehind(hwnd));
    if (w.kind() == WidgetKind::Bevel) {
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
        return;
    }
    auto& panel = static_cast<Panel&>(w);
    auto edge = [&](Panel::Bevel bevel, UINT raised, UINT sunken) {
        if (bevel == Panel::Bevel::None) return;
        DrawEdge(dc, &r, bevel == Panel::Bevel::Raised ? raised : sunken, BF_RECT);
        InflateRect(&r, -1, -1);
    };
    edge(panel.outer, BDR_RAISEDOUTER, BDR_SUNKENOUTER);
    edge(panel.inner, BDR_RAISEDINNER, BDR_SUNKENINNER);
}

void paintShape(HDC dc, HWND hwnd, Shape& shape) {
    RECT r;
    GetClientRect(hwnd, &r);
    // The outline is drawn inside the shape's bounds, so a filled shape is one block when
    // pen and brush agree.
    fillRect(dc, r, shape.brushColor() & 0xFFFFFF);
    HBRUSH pen = CreateSolidBrush(shape.penColor() & 0xFFFFFF);
    FrameRect(dc, &r, pen);
    DeleteObject(pen);
}

MouseButton buttonOf(UINT message) {
    return message == WM_RBUTTONDOWN ? MouseButton::Right : message == WM_MBUTTONDOWN ? MouseButton::Middle : MouseButton::Left;
}

LRESULT CALLBACK controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Win32Binding* b = Win32Binding::of(hwnd);
    Win32Binding::Control* c = b ? b->control(hwnd) : nullptr;
    if (!c) return DefWindowProcW(hwnd, message, wParam, lParam);
    Widget& w = *c->widget;
    LRESULT result = 0;
    if (w.kind() == WidgetKind::Panel && b->containerMessage(message, wParam, lParam, result)) return result;
    switch (message) {
    case WM_NCHITTEST:
        // Shapes and bevels are decoration: the mouse goes through them to the form.
        if (w.kind() == WidgetKind::Shape || w.kind() == WidgetKind::Bevel) return HTTRANSPARENT;
        break;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        if (w.kind() == WidgetKind::Image)
            paintImage(*b, dc, hwnd, static_cast<Image&>(w));
        else if (w.kind() == WidgetKind::Shape)
            paintShape(dc, hwnd, static_cast<Shape&>(w));
        else
            paintPanel(*b, dc, hwnd, w);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        if (message == WM_LBUTTONDOWN) {
            c->pressed = true;
            SetCapture(hwnd);
        }
        if (w.kind() == WidgetKind::Image) {
            auto& image = static_cast<Image&>(w);
            if (image.onMouseDown) {
                const MouseButton button = buttonOf(message);
                const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
                b->dispatch([&image, button, x, y] { image.onMouseDown(button, x, y); });
            }
        }
        return 0;
    }
    case WM_LBUTTONUP: {
        // A click is a press and a release on the same control, as the user knows it.
        const bool wasPressed = c->pressed;
        c->pressed = false;
        if (GetCapture() == hwnd) ReleaseCapture();
        RECT r;
        GetClientRect(hwnd, &r);
        const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (wasPressed && PtInRect(&r, p) && w.onClick) b->dispatch(w.onClick);
        return 0;
    }
    case WM_CAPTURECHANGED:
        c->pressed = false;
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

void registerControlClasses(HINSTANCE instance) {
    for (const wchar_t* name : {kPanelClass, kImageClass, kShapeClass}) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = controlProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = name;
        RegisterClassExW(&wc);
    }
}

bool Win32Binding::containerMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_COMMAND: {
        if (!lParam) return false;
        Control* c = control(reinterpret_cast<HWND>(lParam));
        if (!c) return false;
        const WidgetKind kind = c->widget->kind();
        const UINT code = HIWORD(wParam);
        const bool click = ((kind == WidgetKind::Button || kind == WidgetKind::ToolButton) && code == BN_CLICKED) ||
                           (kind == WidgetKind::Label && code == STN_CLICKED);
        if (click && c->widget->onClick) dispatch(c->widget->onClick);
        if (kind == WidgetKind::Edit && code == EN_CHANGE && !syncing_) {
            // Only what the user typed: the program's own texts are set while syncing.
            const int length = GetWindowTextLengthW(c->hwnd);
            std::wstring text(static_cast<size_t>(length) + 1, L'\0');
            GetWindowTextW(c->hwnd, text.data(), length + 1);
            text.resize(static_cast<size_t>(length));
            auto* edit = static_cast<Edit*>(c->widget);
            dispatch([edit, typed = narrow(text)] { edit->userTyped(typed); });
        }
        result = 0;
        return true;
    }
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == LVN_ITEMCHANGED) {
            Control* c = control(header->hwndFrom);
            if (!c || c->widget->kind() != WidgetKind::ListView || syncing_) return false;
            const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
            if (!(change->uChanged & LVIF_STATE) || ((change->uOldState ^ change->uNewState) & LVIS_SELECTED) == 0) return false;
            // A new row chosen comes as the old one let go and then the new one taken: only
            // the row now selected, or none once nothing is, reaches the model.
            const int row = static_cast<int>(SendMessageW(c->hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
            if (row < 0 && (change->uNewState & LVIS_SELECTED) == 0) {
                PostMessageW(hwnd_, kSelectionMessage, reinterpret_cast<WPARAM>(c->hwnd), 0);
                return false;
            }
            auto* list = static_cast<ListView*>(c->widget);
            dispatch([list, row] { list->userSelected(row); });
            result = 0;
            return true;
        }
        if (header->code != UDN_DELTAPOS) return false;
        Control* c = control(header->hwndFrom);
        if (!c || c->widget->kind() != WidgetKind::SpinEdit) return false;
        auto* spin = static_cast<SpinEdit*>(c->widget);
        const int delta = reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta;
        dispatch([spin, delta] {
            if (delta > 0)
                spin->stepUp();
            else if (delta < 0)
                spin->stepDown();
        });
        result = TRUE;  // the model holds the value; the arrows do not change it themselves
        return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        Control* c = control(reinterpret_cast<HWND>(lParam));
        if (c && c->widget->kind() == WidgetKind::Memo) {
            auto* memo = static_cast<Memo*>(c->widget);
            SetTextColor(dc, memo->font.color & 0xFFFFFF);
            SetBkColor(dc, memo->background & 0xFFFFFF);
            result = reinterpret_cast<LRESULT>(c->background);
            return true;
        }
        if (c && (c->widget->kind() == WidgetKind::SpinEdit || c->widget->kind() == WidgetKind::Edit)) {
            // Read-only only to keep typing out; it looks like any edit box.
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
            return true;
        }
        SetBkColor(dc, formColor());
        result = reinterpret_cast<LRESULT>(background_);
        return true;
    }
    case WM_CTLCOLORBTN:
        result = reinterpret_cast<LRESULT>(background_);
        return true;
    case WM_DRAWITEM: {
        const auto* di = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        Control* c = control(di->hwndItem);
        if (!c) return false;
        if (c->widget->kind() == WidgetKind::Label)
            drawLabel(*this, *di, static_cast<Label&>(*c->widget));
        else if (c->widget->kind() == WidgetKind::ToolButton)
            drawToolButton(*this, *di, static_cast<ToolButton&>(*c->widget));
        result = TRUE;
        return true;
    }
    default:
        return false;
    }
}

}  // namespace zv::win32
