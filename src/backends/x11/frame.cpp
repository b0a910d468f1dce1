// A form's place and size as the window manager frames it: the model speaks of outer
// rectangles, Qt of client areas, and the frame the window manager draws between them is
// measured, used, and checked again once the window is shown.

#include <QMenuBar>

#include "backends/x11/binding.h"
#include "backends/x11/qt_widgets.h"
#include "widgets/layout.h"

namespace zv::x11 {

bool QtBinding::refusesMaximised() const {
    return !form_.maximizeBox && !form_.maximised && (window_->windowState() & Qt::WindowMaximized);
}

X11Platform::Extents QtBinding::extents() {
    if (form_.border == BorderStyle::None) return {0, 0, 0, 0, true};
    if (actualExtents_.known) return actualExtents_;
    if (window_->isVisible()) {
        actualExtents_ = platform_.frameExtents(id_);
        if (actualExtents_.known) return actualExtents_;
    }
    return platform_.expectedFrameExtents(form_.border == BorderStyle::Dialog);
}

void QtBinding::applyFormGeometry() {
    if (form_.maximised && window_->isVisible()) return;
    const Rect r = form_.bounds();
    const X11Platform::Extents ext = extents();
    usedExtents_ = ext;
    const int w = std::max(1, r.width - ext.left - ext.right);
    const int h = std::max(1, r.height - ext.top - ext.bottom);
    if (form_.border == BorderStyle::Dialog) {
        window_->setFixedSize(w, h);
    } else {
        window_->setMinimumSize(0, 0);
        window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    // Placed by its client area, whose distance from the frame we know: the frame then
    // lands exactly where the model put it.
    window_->setGeometry(r.left + ext.left, r.top + ext.top, w, h);
    layoutAlignedShapes();
    sinceApply_.restart();
    if (window_->isVisible()) reconcileTimer_.start(400);
}

void QtBinding::applyClientSize(int width, int height) {
    const X11Platform::Extents ext = extents();
    const Rect r = form_.bounds();
    const Rect outer{r.left, r.top, width + ext.left + ext.right, height + menuBarHeight(width) + ext.top + ext.bottom};
    syncing_ = true;
    form_.setBounds(outer);
    syncing_ = false;
    applyFormGeometry();
}

std::pair<int, int> QtBinding::clientSize() const {
    const int w = window_->width();
    return {w, std::max(0, window_->height() - menuBarHeight(w))};
}

void QtBinding::setClientSize(int width, int height) { applyClientSize(width, height); }

void QtBinding::reconcileGeometry() {
    // A maximised size that is being taken back is not the model's to learn.
    if (!window_->isVisible() || refusesMaximised()) return;
    if (form_.border != BorderStyle::None && !form_.maximised) {
        const X11Platform::Extents now = platform_.frameExtents(id_);
        if (now.known) actualExtents_ = now;
        if (now.known && (now.left != usedExtents_.left || now.right != usedExtents_.right ||
                          now.top != usedExtents_.top || now.bottom != usedExtents_.bottom)) {
            // The window manager decorated the window otherwise than it said it would: the
            // model's outer size and place stand, the client area follows.
            applyFormGeometry();
            return;
        }
    }
    const X11Platform::Extents ext = form_.maximised ? X11Platform::Extents{0, 0, 0, 0, true} : usedExtents_;
    const QRect g = window_->geometry();
    const Rect actual{g.x() - ext.left, g.y() - ext.top, g.width() + ext.left + ext.right,
                      g.height() + ext.top + ext.bottom};
    if (actual != form_.bounds()) {
        syncing_ = true;
        form_.setBounds(actual);
        syncing_ = false;
        layoutAlignedShapes();
    }
}

void QtBinding::layoutAlignedShapes() {
    const auto [cw, ch] = clientSize();
    const auto placed = alignedShapeBounds(form_, cw, ch);
    const bool wasSyncing = syncing_;
    syncing_ = true;
    for (auto& [s, r] : placed) {
        s->setBounds(r);
        if (auto* q = qobject_cast<QWidget*>(native(*s))) q->setGeometry(r.left, r.top, r.width, r.height);
    }
    syncing_ = wasSyncing;
}

}  // namespace zv::x11
