// The Qt widgets that stand for the model's where Qt has no exact match, and the form's window itself.
#include "backends/x11/qt_widgets.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

namespace zv::x11 {

QColor colorFromBgr(uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

uint32_t bgrFromColor(const QColor& c) {
    return static_cast<uint32_t>(c.red()) | (static_cast<uint32_t>(c.green()) << 8) |
           (static_cast<uint32_t>(c.blue()) << 16);
}

StepSpinBox::StepSpinBox(QWidget* parent) : QAbstractSpinBox(parent) {
    lineEdit()->setReadOnly(true);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setAccelerated(false);
    setKeyboardTracking(false);
}

void StepSpinBox::showText(const QString& text) {
    if (lineEdit()->text() != text) lineEdit()->setText(text);
    update();  // the arrows' enabled state follows the new value
}

void StepSpinBox::stepBy(int steps) {
    if (onStep && steps != 0) onStep(steps);
}

QAbstractSpinBox::StepEnabled StepSpinBox::stepEnabled() const {
    StepEnabled e = StepNone;
    if (canStepUp && canStepUp()) e |= StepUpEnabled;
    if (canStepDown && canStepDown()) e |= StepDownEnabled;
    return e;
}

bool StepSpinBox::event(QEvent* e) {
    // The window's shortcuts come first: the text box underneath would take some of them
    // for its own editing keys (Ctrl+E moves to the end of the line), though nothing can
    // be typed into it.
    if (e->type() == QEvent::ShortcutOverride) {
        e->ignore();
        return true;
    }
    return QAbstractSpinBox::event(e);
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), colorFromBgr(brush));
    p.setPen(QPen(colorFromBgr(pen), 1));
    p.setBrush(Qt::NoBrush);
    if (width() > 0 && height() > 0) p.drawRect(0, 0, width() - 1, height() - 1);
}

namespace {

// One bevel one pixel wide round r, and r shrunk inside it.
QRect drawBevel(QPainter& p, QRect r, Panel::Bevel bevel) {
    if (bevel == Panel::Bevel::None) return r;
    const QColor light(0xFF, 0xFF, 0xFF), dark(0x80, 0x80, 0x80);
    const QColor topLeft = bevel == Panel::Bevel::Raised ? light : dark;
    const QColor bottomRight = bevel == Panel::Bevel::Raised ? dark : light;
    p.setPen(topLeft);
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom());
    p.setPen(bottomRight);
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
    return r.adjusted(1, 1, -1, -1);
}

}  // namespace

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect r = rect();
    r = drawBevel(p, r, outer);
    r = drawBevel(p, r, inner);
    if (!caption.isEmpty()) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(r, Qt::AlignCenter, caption);
    }
}

FormWindow::FormWindow() : QWidget(nullptr, Qt::Window) {}

void FormWindow::closeEvent(QCloseEvent* e) {
    // The model decides what closing means (its FormClose, then hiding); the window only
    // reports that the user asked.
    e->ignore();
    if (onCloseRequest) onCloseRequest();
}

void FormWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ActivationChange) {
        if (isActiveWindow()) {
            if (onActivated) onActivated();
        } else if (onDeactivated) {
            onDeactivated();
        }
    } else if (e->type() == QEvent::WindowStateChange && onStateChanged) {
        onStateChanged();
    }
    QWidget::changeEvent(e);
}

void FormWindow::moveEvent(QMoveEvent* e) {
    QWidget::moveEvent(e);
    if (onGeometryChanged) onGeometryChanged();
}

void FormWindow::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (onGeometryChanged) onGeometryChanged();
}

void FormWindow::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (onShown) onShown();
}

void FormWindow::keyReleaseEvent(QKeyEvent* e) {
    // A key held down repeats as presses only, as on Windows: one release per press.
    if (!e->isAutoRepeat() && onKeyRelease) onKeyRelease(e);
    e->accept();
}

}  // namespace zv::x11
