// The child controls of a form, one per widget: creation and the properties mirrored into
// them. Labels are owner-drawn STATIC controls (their clicks arrive as STN_CLICKED), buttons
// and flat tool buttons are BUTTON controls, a spin box is a read-only EDIT with up-down
// arrows, a memo a read-only multi-line EDIT, a list a report-view list view, a text field a
// one-line EDIT; images, panels, bevels and shapes are small window classes of our own
// (paint.cpp).

#include <windows.h>
#include <commctrl.h>

#include "backends/win32/binding.h"
#include "widgets/layout.h"
#include "backends/win32/classes.h"
#include "backends/win32/wide.h"
#include "backends/win32/win32_platform.h"

namespace zv::win32 {
namespace {

std::wstring memoText(const Memo& memo) { return widen(memo.text()); }

void fillRows(HWND view, const ListView& list) {
    SendMessageW(view, WM_SETREDRAW, FALSE, 0);
    SendMessageW(view, LVM_DELETEALLITEMS, 0, 0);
    for (size_t r = 0; r < list.rows().size(); ++r) {
        const ListView::Row& row = list.rows()[r];
        for (size_t c = 0; c < row.size() && c < list.columns.size(); ++c) {
            std::wstring text = widen(row[c]);
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(r);
            item.iSubItem = static_cast<int>(c);
            item.pszText = text.data();
            SendMessageW(view, c == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, c == 0 ? 0 : r, reinterpret_cast<LPARAM>(&item));
        }
    }
    SendMessageW(view, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(view, nullptr, TRUE);
}

void showSelected(HWND view, const ListView& list) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = 0;
    SendMessageW(view, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    if (list.selected() < 0) return;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(view, LVM_SETITEMSTATE, static_cast<WPARAM>(list.selected()), reinterpret_cast<LPARAM>(&state));
    SendMessageW(view, LVM_ENSUREVISIBLE, static_cast<WPARAM>(list.selected()), FALSE);
}

}  // namespace

HWND Win32Binding::parentOf(Widget& w) const {
    for (Widget* p = w.parent(); p; p = p->parent()) {
        if (p == &form_) break;
        auto it = controls_.find(p);
        if (it != controls_.end() && (p->kind() == WidgetKind::Panel)) return it->second.hwnd;
    }
    return hwnd_;
}

Win32Binding::Control* Win32Binding::control(HWND hwnd) {
    auto it = byHwnd_.find(hwnd);
    return it == byHwnd_.end() ? nullptr : it->second;
}

void Win32Binding::createControl(Widget& w) {
    if (controls_.count(&w)) return;
    Control c;
    c.widget = &w;
    c.id = nextId_++;
    const Rect& b = w.bounds();
    const DWORD base = WS_CHILD | WS_CLIPSIBLINGS | (w.visible() ? WS_VISIBLE : 0) | (w.enabled() ? 0 : WS_DISABLED);
    HWND parent = parentOf(w);
    HINSTANCE inst = platform_.instance();
    auto make = [&](DWORD ex, const wchar_t* cls, const std::wstring& text, DWORD style) {
        return CreateWindowExW(ex, cls, text.c_str(), base | style, b.left, b.top, b.width, b.height, parent,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(c.id)), inst, nullptr);
    };
    switch (w.kind()) {
    case WidgetKind::Label:
        c.hwnd = make(0, L"STATIC", widen(w.caption()), SS_OWNERDRAW | SS_NOTIFY);
        break;
    case WidgetKind::Image:
        c.hwnd = make(0, kImageClass, L"", 0);
        break;
    case WidgetKind::Panel:
    case WidgetKind::Bevel:
        c.hwnd = make(0, kPanelClass, L"", WS_CLIPCHILDREN);
        break;
    case WidgetKind::Shape:
        c.hwnd = make(0, kShapeClass, L"", 0);
        break;
    case WidgetKind::Memo: {
        auto& memo = static_cast<Memo&>(w);
        c.hwnd = make(WS_EX_CLIENTEDGE, L"EDIT", L"", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | (memo.wordWrap ? 0 : ES_AUTOHSCROLL));
        c.background = CreateSolidBrush(memo.background & 0xFFFFFF);
        break;
    }
    case WidgetKind::Button:
        c.hwnd = make(0, L"BUTTON", widen(w.caption()), BS_PUSHBUTTON | WS_TABSTOP);
        break;
    case WidgetKind::ListView: {
        auto& list = static_cast<ListView&>(w);
        c.hwnd = make(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP);
        if (!c.hwnd) return;
        SendMessageW(c.hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
        for (size_t i = 0; i < list.columns.size(); ++i) {
            std::wstring caption = widen(list.columns[i].caption);
            LVCOLUMNW column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
            column.pszText = caption.data();
            column.cx = scaled(list.columns[i].width);
            column.iSubItem = static_cast<int>(i);
            SendMessageW(c.hwnd, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
        }
        break;
    }
    case WidgetKind::Edit: {
        auto& edit = static_cast<Edit&>(w);
        c.hwnd = make(WS_EX_CLIENTEDGE, L"EDIT", widen(edit.text()), ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP);
        if (c.hwnd && edit.maxLength > 0) SendMessageW(c.hwnd, EM_LIMITTEXT, static_cast<WPARAM>(edit.maxLength), 0);
        break;
    }
    case WidgetKind::ToolButton:
        c.hwnd = make(0, L"BUTTON", L"", BS_OWNERDRAW);
        break;
    case WidgetKind::SpinEdit: {
        auto& spin = static_cast<SpinEdit&>(w);
        // Arrows only: the edit shows the value and takes no typing.
        c.hwnd = make(WS_EX_CLIENTEDGE, L"EDIT", widen(spin.text()), ES_READONLY | ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP);
        c.spin = CreateWindowExW(0, UPDOWN_CLASSW, nullptr,
                                 WS_CHILD | (w.visible() ? WS_VISIBLE : 0) | (w.enabled() ? 0 : WS_DISABLED) | UDS_ALIGNRIGHT |
                                     UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_HOTTRACK,
                                 0, 0, 0, 0, parent, nullptr, inst, nullptr);
        SendMessageW(c.spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(c.hwnd), 0);
        SendMessageW(c.spin, UDM_SETRANGE32, static_cast<WPARAM>(spin.minValue()), static_cast<LPARAM>(spin.maxValue()));
        SendMessageW(c.spin, UDM_SETPOS32, 0, static_cast<LPARAM>(spin.value()));
        break;
    }
    default:
        return;  // forms, menu entries and timers are not child windows
    }
    if (!c.hwnd) return;
    SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(controlFont(w)), FALSE);
    // Later widgets lie above earlier ones, as they were designed.
    SetWindowPos(c.hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (c.spin) SetWindowPos(c.spin, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Control& stored = controls_[&w] = c;
    byHwnd_[stored.hwnd] = &stored;
    if (stored.spin) byHwnd_[stored.spin] = &stored;
    byId_[stored.id] = &stored;
    if (w.kind() == WidgetKind::Label && (b.width <= 0 || b.height <= 0)) applyBounds(stored);
    if (w.kind() == WidgetKind::Memo || w.kind() == WidgetKind::ListView) applyText(stored);
    applyHint(stored);
}

HFONT Win32Binding::controlFont(Widget& w) const {
    switch (w.kind()) {
    case WidgetKind::Label:
        return fontOf(static_cast<Label&>(w).font);
    case WidgetKind::Memo:
        return fontOf(static_cast<Memo&>(w).font);
    case WidgetKind::Button:
        return static_cast<Button&>(w).bold ? scaledFont(form_.font.family, form_.font.height, true) : formFont_;
    case WidgetKind::SpinEdit:
        return scaledFont(form_.font.family, static_cast<SpinEdit&>(w).fontHeight, false);
    default:
        return formFont_;
    }
}

void Win32Binding::applyBounds(Control& c) {
    Rect b = c.widget->bounds();
    if (c.widget->kind() == WidgetKind::Label && (b.width <= 0 || b.height <= 0)) {
        // A label designed without a size takes the size of its text.
        HDC dc = GetDC(c.hwnd);
        HGDIOBJ old = SelectObject(dc, fontOf(static_cast<Label*>(c.widget)->font));
        RECT r{0, 0, 0, 0};
        std::wstring text = widen(c.widget->caption());
        DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT);
        SelectObject(dc, old);
        ReleaseDC(c.hwnd, dc);
        if (b.width <= 0) b.width = r.right;
        if (b.height <= 0) b.height = r.bottom;
    }
    MoveWindow(c.hwnd, b.left, b.top, b.width, b.height, TRUE);
    if (c.spin) SendMessageW(c.spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(c.hwnd), 0);  // realigns the arrows
}

void Win32Binding::applyText(Control& c) {
    Widget& w = *c.widget;
    switch (w.kind()) {
    case WidgetKind::SpinEdit: {
        auto& spin = static_cast<SpinEdit&>(w);
        SetWindowTextW(c.hwnd, widen(spin.text()).c_str());
        SendMessageW(c.spin, UDM_SETPOS32, 0, static_cast<LPARAM>(spin.value()));
        break;
    }
    case WidgetKind::Memo:
        // A hidden memo is the program's line buffer: its text reaches the screen when shown.
        if (w.visible()) SetWindowTextW(c.hwnd, memoText(static_cast<Memo&>(w)).c_str());
        break;
    case WidgetKind::Label:
        SetWindowTextW(c.hwnd, widen(w.caption()).c_str());
        if (w.bounds().width <= 0 || w.bounds().height <= 0) applyBounds(c);
        InvalidateRect(c.hwnd, nullptr, TRUE);
        break;
    case WidgetKind::Button:
        SetWindowTextW(c.hwnd, widen(w.caption()).c_str());
        break;
    case WidgetKind::ListView:
        // What the program shows is not the user's choice: the list's notifications wait.
        ++syncing_;
        fillRows(c.hwnd, static_cast<ListView&>(w));
        showSelected(c.hwnd, static_cast<ListView&>(w));
        --syncing_;
        break;
    case WidgetKind::Edit: {
        const std::wstring text = widen(static_cast<Edit&>(w).text());
        wchar_t shown[1024] = {};
        GetWindowTextW(c.hwnd, shown, 1024);
        if (text != shown) {
            ++syncing_;
            SetWindowTextW(c.hwnd, text.c_str());
            --syncing_;
        }
        break;
    }
    default:
        InvalidateRect(c.hwnd, nullptr, TRUE);
        break;
    }
}

void Win32Binding::applyHint(Control& c) {
    if (!tooltip_) return;
    std::wstring text = widen(c.widget->hint());
    for (HWND target : {c.hwnd, c.spin}) {
        if (!target) continue;
        TTTOOLINFOW info{};
        info.cbSize = TTTOOLINFOW_V2_SIZE;
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = GetParent(target);
        info.uId = reinterpret_cast<UINT_PTR>(target);
        SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
        if (text.empty()) continue;
        info.lpszText = text.data();
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
}

void Win32Binding::alignShapes() {
    auto [cw, ch] = clientSize();
    for (auto& [shape, bounds] : alignedShapeBounds(form_, cw, ch)) shape->setBounds(bounds);
}

}  // namespace zv::win32
