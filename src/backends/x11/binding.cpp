// The form's own window: creation, flags, events handed to the model, the form's
// properties, its timers and keys, and what the program does to the window (front, on
// top, shape, modal display).

#include "backends/x11/binding.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "backends/x11/conversions.h"
#include "backends/x11/key_events.h"
#include "backends/x11/pictures.h"
#include "backends/x11/qt_widgets.h"
#include "widgets/application.h"
#include "widgets/layout.h"

namespace zv::x11 {

namespace {

// Controls with a window of their own stay above the drawn ones (labels, images,
// shapes, speed buttons), whatever the order they were made in.
bool windowed(WidgetKind k) {
    return k == WidgetKind::Panel || k == WidgetKind::SpinEdit || k == WidgetKind::Memo || k == WidgetKind::Button ||
           k == WidgetKind::ListView || k == WidgetKind::Edit;
}

}  // namespace

QtBinding::QtBinding(Form& form, X11Platform& platform) : form_(form), platform_(platform) {
    reconcileTimer_.setSingleShot(true);
    QObject::connect(&reconcileTimer_, &QTimer::timeout, [this] { reconcileGeometry(); });
    sinceApply_.start();
    build();
}

QtBinding::~QtBinding() {
    reconcileTimer_.stop();
    natives_.clear();
    window_.reset();
}

QWidget* QtBinding::window() const { return window_.get(); }

QObject* QtBinding::native(const Widget& w) const {
    if (&w == &form_) return window_.get();
    auto it = natives_.find(&w);
    return it == natives_.end() ? nullptr : it->second;
}

WindowId QtBinding::windowId() const { return id_; }

void QtBinding::dispatch(const std::function<void()>& handler) { form_.app().dispatch(handler); }

void QtBinding::build() {
    window_ = std::make_unique<FormWindow>();
    window_->setObjectName(QString::fromStdString(form_.name()));

    // The window's kind is fixed before its native window exists: Qt would make a new
    // one (with a new id) if it changed later.
    Qt::WindowFlags flags = Qt::Window;
    if (form_.border == BorderStyle::None) {
        flags |= Qt::FramelessWindowHint;
    } else if (form_.border == BorderStyle::Dialog) {
        // A dialog's frame: title and close box only, whatever the boxes say.
        flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                Qt::WindowCloseButtonHint;
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (form_.border == BorderStyle::Sizeable) {
            if (form_.minimizeBox) flags |= Qt::WindowMinimizeButtonHint;
            if (form_.maximizeBox) flags |= Qt::WindowMaximizeButtonHint;
        }
    }
    if (form_.topmost) flags |= Qt::WindowStaysOnTopHint;
    // An empty input shape: the pointer and its clicks go to the windows underneath. The
    // window manager is kept out, since the frame it would put round the window takes the
    // clicks whatever the window's own shape.
    if (!form_.takesInput) flags |= Qt::WindowTransparentForInput | Qt::X11BypassWindowManagerHint;
    if (!form_.takesFocus) {
        flags |= Qt::WindowDoesNotAcceptFocus;
        window_->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    window_->setWindowFlags(flags);
    if (form_.handCursor) window_->setCursor(Qt::PointingHandCursor);
    if (fontGiven(form_.font)) window_->setFont(qtFont(form_.font, window_->font()));

    layout_ = new QVBoxLayout(window_.get());
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->setSizeConstraint(QLayout::SetNoConstraint);
    client_ = new ClientArea(window_.get());
    client_->setAutoFillBackground(true);
    applyColor();
    layout_->addWidget(client_);

    const std::vector<MenuItem*> bar = form_.menuBar();
    if (!bar.empty()) {
        menuBar_ = new QMenuBar(window_.get());
        menuBar_->setNativeMenuBar(false);
        layout_->setMenuBar(menuBar_);
        for (MenuItem* item : bar) buildMenu(menuBar_, *item);
    }
    for (Widget* w : form_.widgets())
        if (w->kind() != WidgetKind::MenuItem) buildWidget(*w);
    for (Widget* w : form_.widgets())
        if (windowed(w->kind()))
            if (auto* q = qobject_cast<QWidget*>(native(*w))) q->raise();

    window_->onCloseRequest = [this] { dispatch([this] { form_.close(); }); };
    window_->onActivated = [this] {
        if (form_.onActivate) dispatch(form_.onActivate);
    };
    window_->onDeactivated = [this] {
        if (form_.onDeactivate) dispatch(form_.onDeactivate);
    };
    window_->onStateChanged = [this] {
        // A window without a maximise box is never maximised. Some window managers draw
        // the box whatever the window asks (openbox ignores that part of the Motif hints
        // Qt sets from these flags), so the maximised state they put on it is taken off
        // again, and their window manager restores the size it had.
        if (refusesMaximised()) window_->setWindowState(window_->windowState() & ~Qt::WindowMaximized);
    };
    window_->onGeometryChanged = [this] {
        if (syncing_ || !window_->isVisible()) return;
        // Right after we placed the window the events report our own request, possibly
        // in pieces; later ones are the user's or the window manager's doing.
        if (sinceApply_.elapsed() > 400) reconcileGeometry();
    };
    window_->onShown = [this] {
        if (wantAbove_) {
            wantAbove_ = false;
            QTimer::singleShot(150, window_.get(), [this] { placeTopmost(); });
        }
        reconcileTimer_.start(400);
    };
    window_->onKeyRelease = [this](QKeyEvent* e) { keyReleased(e); };
    window_->installEventFilter(&keys_);
    client_->installEventFilter(&keys_);
    client_->onPress = [this](Qt::MouseButton b, QPoint p) {
        auto button = modelButton(b);
        if (button && form_.onMouseDown) dispatch([this, button, p] { form_.onMouseDown(*button, p.x(), p.y()); });
    };
    client_->onClick = [this] {
        if (form_.onClick) dispatch(form_.onClick);
    };

    id_ = static_cast<WindowId>(window_->winId());
    applyTitle();
    if (!form_.hint().empty()) window_->setToolTip(qtText(form_.hint()));
    window_->setEnabled(form_.enabled());

    if (form_.designClientWidth > 0 && form_.designClientHeight > 0)
        applyClientSize(form_.designClientWidth, form_.designClientHeight);
    else if (form_.width() > 0 && form_.height() > 0)
        applyFormGeometry();
    if (form_.visible()) show();
}

void QtBinding::propertyChanged(Widget& widget, Prop prop) {
    if (!window_) return;
    if (&widget == &form_) return mirrorForm(prop);
    switch (widget.kind()) {
    case WidgetKind::MenuItem: return mirrorMenuItem(static_cast<MenuItem&>(widget), prop);
    case WidgetKind::Timer: return mirrorTimer(static_cast<Timer&>(widget), prop);
    default: return mirrorWidget(widget, prop);
    }
}

void QtBinding::mirrorForm(Prop prop) {
    switch (prop) {
    case Prop::Caption: applyTitle(); break;
    case Prop::Hint: window_->setToolTip(qtText(form_.hint())); break;
    case Prop::Enabled: window_->setEnabled(form_.enabled()); break;
    case Prop::Visible:
        if (form_.visible()) {
            show();
        } else {
            window_->hide();
        }
        break;
    case Prop::Bounds:
        if (!syncing_) applyFormGeometry();
        break;
    case Prop::Color: applyColor(); break;
    case Prop::Font:
        if (fontGiven(form_.font)) window_->setFont(qtFont(form_.font, window_->font()));
        break;
    default: break;
    }
}

void QtBinding::mirrorTimer(Timer& t, Prop prop) {
    auto* q = qobject_cast<QTimer*>(native(t));
    if (!q) return;
    if (prop != Prop::Interval && prop != Prop::Enabled && prop != Prop::Period) return;
    // Like the system timer underneath the program's: a new interval or a switch on
    // starts the count again, and an interval of 0 stops it.
    if (t.on() && t.interval() > 0) {
        q->start(static_cast<int>(t.interval()));
    } else {
        q->stop();
    }
}

void QtBinding::applyTitle() {
    window_->setWindowTitle(qtText(form_.caption()));
    // Qt names a window without a title after the program; ours must stay nameless, as
    // window matching and the single-instance check read the titles.
    if (form_.caption().empty()) platform_.clearTitle(id_);
}

void QtBinding::applyColor() {
    // The whole window takes the form's colour, menu bar included, as one surface.
    QPalette pal = window_->palette();
    pal.setColor(QPalette::Window, colorFromBgr(form_.color));
    pal.setColor(QPalette::Button, colorFromBgr(form_.color));
    window_->setPalette(pal);
}

void QtBinding::show() {
    if (form_.centred && !form_.maximised) {
        const ScreenSize s = platform_.primaryScreenSize();
        form_.setBounds(centredOn(form_.bounds(), s.width, s.height));
    }
    if (form_.maximised) {
        window_->showFullScreen();
    } else {
        window_->show();
    }
    if (!form_.takesInput) platform_.letInputThrough(id_);
}

void QtBinding::keyReleased(QKeyEvent* e) {
    if (!form_.onKeyUp) return;
    const unsigned long unshifted = platform_.unshiftedKeysym(e->nativeScanCode());
    const uint8_t vk = vkForKeyEvent(unshifted, e->nativeVirtualKey(), e->key(), e->modifiers() & Qt::KeypadModifier);
    if (vk == 0) return;
    dispatch([this, vk] { form_.onKeyUp(vk); });
}

bool KeyRouter::eventFilter(QObject* watched, QEvent* event) {
    // A press the control does not take goes on to its parents, which watch too: only the
    // first to see it, the one with the keyboard, hands it on.
    const QWidget* focus = QApplication::focusWidget();
    if (watched != (focus ? static_cast<const QObject*>(focus) : binding_.window())) return false;
    return binding_.routeKey(event);
}

bool QtBinding::routeKey(QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
    auto* e = static_cast<QKeyEvent*>(event);
    const unsigned long unshifted = platform_.unshiftedKeysym(e->nativeScanCode());
    KeyChord chord;
    chord.vk = vkForKeyEvent(unshifted, e->nativeVirtualKey(), e->key(), e->modifiers() & Qt::KeypadModifier);
    chord.ctrl = e->modifiers() & Qt::ControlModifier;
    chord.alt = e->modifiers() & Qt::AltModifier;
    chord.shift = e->modifiers() & Qt::ShiftModifier;
    if (chord.vk == 0) return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Claimed for the press that follows, so that neither a mnemonic of Qt's nor the
        // control's own editing key (Ctrl+Z in a text field) acts on it first.
        if (!form_.buttonFor(chord)) return false;
        e->accept();
        return true;
    }
    if (!form_.buttonFor(chord) && !form_.onKeyDown) return false;
    bool taken = false;
    dispatch([this, &chord, &taken] { taken = form_.keyDown(chord); });
    if (taken) e->accept();
    return taken;
}

void QtBinding::bringToFront() { platform_.setForegroundWindow(id_); }

void QtBinding::placeTopmost() {
    if (!window_->isVisible()) {
        if (!form_.topmost) wantAbove_ = true;
        return;
    }
    platform_.keepAbove(id_, true);
    platform_.raise(id_);
}

void QtBinding::setRegion(const std::vector<Rect>& rects) {
    // Given in client coordinates; the window's own start above the menu bar.
    const int dy = menuBarHeight(window_->width());
    QRegion region;
    std::vector<Rect> shifted;
    for (const Rect& r : rects) {
        region += QRect(r.left, r.top + dy, r.width, r.height);
        shifted.push_back({r.left, r.top + dy, r.width, r.height});
    }
    if (!region.isEmpty()) window_->setMask(region);
    platform_.setShape(id_, shifted, false);
    // The shape gave the bars back their input: a window the mouse goes through keeps none.
    if (!form_.takesInput) platform_.letInputThrough(id_);
}

void QtBinding::runModal() {
    // The program's other windows take no input while this one is up.
    window_->setWindowModality(Qt::ApplicationModal);
    if (!form_.visible()) form_.show();
    bringToFront();
    while (form_.visible() && !form_.app().terminated())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (!window_->isVisible()) window_->setWindowModality(Qt::NonModal);
}

}  // namespace zv::x11
