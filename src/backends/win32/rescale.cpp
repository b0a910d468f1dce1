// A form on a screen of another resolution: the forms are designed at 96 pixels per inch,
// made that way, and then laid out again for the screen they are on, and again whenever
// they move to a screen of another resolution. The model holds the result: from then on
// its bounds are the screen's own pixels, as every position it computes is.

#include "backends/win32/binding.h"

namespace zv::win32 {

bool Win32Binding::laysOut() const {
    // A window with nothing in it (the pointer catcher, one pixel) keeps its size.
    for (Widget* w : form_.widgets())
        if (w->kind() != WidgetKind::Timer) return true;
    return false;
}

void Win32Binding::rescale(unsigned dpi, const RECT* suggested) {
    if (!hwnd_ || dpi == 0 || dpi == dpi_) return;
    const unsigned old = dpi_;
    // The client area at the old resolution, from the outer size: the system may already
    // draw the frame and the menu bar for the new one.
    RECT outer;
    GetWindowRect(hwnd_, &outer);
    RECT frame{0, 0, 0, 0};
    adjustWindowRect(frame, style(), GetMenu(hwnd_) != nullptr, exStyle(), old);
    const int clientWidth = (outer.right - outer.left) - (frame.right - frame.left);
    const int clientHeight = (outer.bottom - outer.top) - (frame.bottom - frame.top);

    dpi_ = dpi;
    formFont_ = scaledFont(form_.font.family, form_.font.height, form_.font.bold);
    ++syncing_;
    for (Widget* w : form_.widgets())
        if (w->kind() != WidgetKind::MenuItem && w->kind() != WidgetKind::Timer) w->setBounds(rescaled(w->bounds(), old, dpi));
    --syncing_;

    if (laysOut()) {
        if (suggested)
            SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                         suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        else
            setClientSize(rescaled(clientWidth, old, dpi), rescaled(clientHeight, old, dpi));
    }
    for (auto& [widget, c] : controls_) {
        SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(controlFont(*widget)), FALSE);
        applyBounds(c);
    }
    alignShapes();
    syncFormBounds();
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace zv::win32
