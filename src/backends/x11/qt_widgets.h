#pragma once
// The Qt widgets that stand for the widgets of the model where Qt has no exact match:
// clicks on anything (as every control of the program can be clicked), the spin box
// that only steps, the solid shape, the bevelled panel, and the window itself.

#include <functional>

#include <QAbstractSpinBox>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

#include "widgets/widget.h"

namespace zv::x11 {

// A press of any button, and a click: the left button pressed and released over the
// same widget.
template <class Base>
class Clicks : public Base {
public:
    using Base::Base;
    std::function<void(Qt::MouseButton, QPoint)> onPress;
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) down_ = true;
        if (onPress) onPress(e->button(), e->position().toPoint());
        e->accept();
    }
    // The second press of a double click is one more press and click.
    void mouseDoubleClickEvent(QMouseEvent* e) override { mousePressEvent(e); }
    void mouseReleaseEvent(QMouseEvent* e) override {
        const bool wasDown = down_;
        down_ = false;
        if (wasDown && e->button() == Qt::LeftButton && this->rect().contains(e->position().toPoint()) && onClick)
            onClick();
        e->accept();
    }

private:
    bool down_ = false;
};

using ClickLabel = Clicks<QLabel>;

// The client area of a window: the free area's clicks belong to the form.
class ClientArea : public Clicks<QWidget> {
public:
    using Clicks<QWidget>::Clicks;
};

// A spin box whose text cannot be typed into: its arrows (and the arrow keys and the
// wheel) ask the model to step, and the model's text is shown as it is, even when it is
// not a number.
class StepSpinBox : public QAbstractSpinBox {
public:
    explicit StepSpinBox(QWidget* parent);
    std::function<void(int steps)> onStep;
    std::function<bool()> canStepUp, canStepDown;
    void showText(const QString& text);
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;
    bool event(QEvent* e) override;
};

// A rectangle filled with the brush colour and outlined with the pen colour inside its
// bounds; colours are 0x00BBGGRR.
class ShapeWidget : public QWidget {
public:
    explicit ShapeWidget(QWidget* parent) : QWidget(parent) {}
    uint32_t pen = 255, brush = 255;

protected:
    void paintEvent(QPaintEvent*) override;
};

// A panel with the two bevels of the classic look, an outer and an inner one, each
// lowered, raised or absent.
class BevelPanel : public Clicks<QWidget> {
public:
    explicit BevelPanel(QWidget* parent) : Clicks<QWidget>(parent) {}
    Panel::Bevel outer = Panel::Bevel::Raised, inner = Panel::Bevel::None;
    QString caption;

protected:
    void paintEvent(QPaintEvent*) override;
};

// The top-level window of a form.
class FormWindow : public QWidget {
public:
    FormWindow();
    std::function<void()> onCloseRequest, onActivated, onDeactivated, onGeometryChanged, onShown, onStateChanged;
    std::function<void(QKeyEvent*)> onKeyRelease;

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
};

QColor colorFromBgr(uint32_t bgr);
uint32_t bgrFromColor(const QColor& c);

}  // namespace zv::x11
