#pragma once
// The Qt binding of one form: builds a top-level window from whatever widgets the form
// holds, mirrors every property change into it at once, and hands every native event
// back to the model through the application's dispatch. It decides nothing itself.

#include <map>
#include <memory>
#include <vector>

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include "backends/x11/x11_platform.h"
#include "widgets/form.h"

class QAction;
class QMenuBar;
class QWidget;
class QVBoxLayout;
class QKeyEvent;

namespace zv::x11 {

class FormWindow;
class ClientArea;
class QtBinding;

// Hands each key pressed in a window, whichever control has the keyboard, to the form
// first: its buttons' shortcuts and access keys and its own keys are the model's to decide
// (Form::keyDown), before the control or Qt's shortcuts act on them.
class KeyRouter : public QObject {
public:
    explicit KeyRouter(QtBinding& binding) : binding_(binding) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QtBinding& binding_;
};

class QtBinding : public FormBinding {
public:
    QtBinding(Form& form, X11Platform& platform);
    ~QtBinding() override;

    void propertyChanged(Widget& widget, Prop prop) override;
    WindowId windowId() const override;
    void bringToFront() override;
    void placeTopmost() override;
    void setRegion(const std::vector<Rect>& rects) override;
    void runModal() override;
    std::pair<int, int> clientSize() const override;
    void setClientSize(int width, int height) override;

    Form& form() const { return form_; }
    QWidget* window() const;
    // The native object standing for a widget of the form (a QWidget, QAction or QTimer),
    // for tests.
    QObject* native(const Widget& w) const;
    // A key event in one of the window's widgets: true when the form took it.
    bool routeKey(QEvent* event);

private:
    void build();
    void buildWidget(Widget& w);
    void buildMenu(QWidget* container, MenuItem& item);
    QWidget* parentWidgetOf(const Widget& w) const;
    void dispatch(const std::function<void()>& handler);

    void mirrorForm(Prop prop);
    void mirrorMenuItem(MenuItem& item, Prop prop);
    void mirrorTimer(Timer& timer, Prop prop);
    void mirrorWidget(Widget& w, Prop prop);
    void applyFormGeometry();
    void applyClientSize(int width, int height);
    void show();
    void reconcileGeometry();
    void layoutAlignedShapes();
    void autoSize(Widget& w);
    void keyReleased(QKeyEvent* e);
    int menuBarHeight(int width) const;
    void applyColor();
    void applyTitle();
    bool refusesMaximised() const;
    X11Platform::Extents extents();

    Form& form_;
    X11Platform& platform_;
    std::unique_ptr<FormWindow> window_;
    ClientArea* client_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
    std::map<const Widget*, QObject*> natives_;
    std::map<const Memo*, bool> memoStale_;
    WindowId id_ = 0;
    bool syncing_ = false;     // the model is being told what the window already is
    bool wantAbove_ = false;   // put on top when next shown
    X11Platform::Extents actualExtents_;   // what the window manager put round it once shown
    X11Platform::Extents usedExtents_;     // what the window was last placed with
    QElapsedTimer sinceApply_;
    QTimer reconcileTimer_;
    KeyRouter keys_{*this};
};

}  // namespace zv::x11
