#include "backends/x11/binding.h"
#include "widgets/layout.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "backends/x11/key_events.h"
#include "backends/x11/pictures.h"
#include "backends/x11/qt_widgets.h"
#include "platform/text.h"
#include "widgets/application.h"


namespace zv::x11 {

namespace {

QString qtText(const std::string& cp1252) { return QString::fromStdString(cp1252ToUtf8(cp1252)); }

// Windows fonts that Linux rarely has fall back to look-alikes of the same size.
QFont qtFont(const FontSpec& f, QFont font) {
    if (!f.family.empty()) font.setFamilies({qtText(f.family), "Liberation Sans", "DejaVu Sans"});
    if (f.height != 0) font.setPixelSize(f.height < 0 ? -f.height : f.height);
    font.setBold(f.bold);
    return font;
}

bool fontGiven(const FontSpec& f) { return !f.family.empty() || f.height != 0 || f.bold; }

std::optional<MouseButton> modelButton(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    default: return std::nullopt;
    }
}

// Controls with a window of their own stay above the drawn ones (labels, images,
// shapes, speed buttons), whatever the order they were made in.
bool windowed(WidgetKind k) {
    return k == WidgetKind::Panel || k == WidgetKind::SpinEdit || k == WidgetKind::Memo || k == WidgetKind::Button;
}

QString memoText(const Memo& m) { return qtText(m.text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

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

QWidget* QtBinding::parentWidgetOf(const Widget& w) const {
    if (w.parent() && w.parent() != &form_)
        if (auto* q = qobject_cast<QWidget*>(native(*w.parent()))) return q;
    return client_;
}

void QtBinding::buildWidget(Widget& w) {
    QWidget* parent = parentWidgetOf(w);
    QObject* made = nullptr;
    switch (w.kind()) {
    case WidgetKind::ToolButton: {
        auto& tb = static_cast<ToolButton&>(w);
        auto* b = new QToolButton(parent);
        b->setAutoRaise(tb.flat);
        b->setFocusPolicy(Qt::NoFocus);
        const QPixmap pic = platform_.pictures().findTransparent(tb.picture);
        if (!pic.isNull()) {
            b->setIcon(QIcon(pic));
            b->setIconSize(pic.size());
        }
        QObject::connect(b, &QToolButton::clicked, [this, &w] {
            if (w.onClick) dispatch(w.onClick);
        });
        made = b;
        break;
    }
    case WidgetKind::Button: {
        auto& bm = static_cast<Button&>(w);
        auto* b = new QPushButton(parent);
        if (bm.bold) {
            QFont f = b->font();
            f.setBold(true);
            b->setFont(f);
        }
        QObject::connect(b, &QPushButton::clicked, [this, &w] {
            if (w.onClick) dispatch(w.onClick);
        });
        made = b;
        break;
    }
    case WidgetKind::SpinEdit: {
        auto& s = static_cast<SpinEdit&>(w);
        auto* b = new StepSpinBox(parent);
        QFont f = b->font();
        if (s.fontHeight != 0) f.setPixelSize(s.fontHeight < 0 ? -s.fontHeight : s.fontHeight);
        b->setFont(f);
        b->canStepUp = [&s] { return s.value() < s.maxValue(); };
        b->canStepDown = [&s] { return s.value() > s.minValue(); };
        b->onStep = [this, &s](int steps) {
            dispatch([&s, steps] {
                for (int i = 0; i < (steps < 0 ? -steps : steps); ++i) steps > 0 ? s.stepUp() : s.stepDown();
            });
        };
        b->showText(qtText(s.text()));
        made = b;
        break;
    }
    case WidgetKind::Timer: {
        auto& t = static_cast<Timer&>(w);
        auto* q = new QTimer(window_.get());
        q->setTimerType(Qt::PreciseTimer);
        QObject::connect(q, &QTimer::timeout, [&t] { t.fire(); });
        natives_[&w] = q;
        mirrorTimer(t, Prop::Interval);
        return;
    }
    case WidgetKind::Label: {
        auto* l = new ClickLabel(parent);
        l->onClick = [this, &w] {
            if (w.onClick) dispatch(w.onClick);
        };
        made = l;
        break;
    }
    case WidgetKind::Image: {
        auto& im = static_cast<Image&>(w);
        auto* l = new ClickLabel(parent);
        l->onClick = [this, &w] {
            if (w.onClick) dispatch(w.onClick);
        };
        l->onPress = [this, &im](Qt::MouseButton b, QPoint p) {
            auto button = modelButton(b);
            if (button && im.onMouseDown) dispatch([&im, button, p] { im.onMouseDown(*button, p.x(), p.y()); });
        };
        made = l;
        break;
    }
    case WidgetKind::Panel:
    case WidgetKind::Bevel: {
        auto* p = new BevelPanel(parent);
        if (w.kind() == WidgetKind::Panel) {
            auto& pm = static_cast<Panel&>(w);
            p->outer = pm.outer;
            p->inner = pm.inner;
        } else {
            p->outer = Panel::Bevel::Lowered;
        }
        p->onClick = [this, &w] {
            if (w.onClick) dispatch(w.onClick);
        };
        made = p;
        break;
    }
    case WidgetKind::Shape: {
        made = new ShapeWidget(parent);
        break;
    }
    case WidgetKind::Memo: {
        auto& m = static_cast<Memo&>(w);
        auto* e = new QPlainTextEdit(parent);
        e->setReadOnly(m.readOnly);
        e->setLineWrapMode(m.wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        made = e;
        break;
    }
    case WidgetKind::Form:
    case WidgetKind::MenuItem:
        return;
    }
    auto* q = static_cast<QWidget*>(made);
    q->setObjectName(QString::fromStdString(w.name()));
    natives_[&w] = made;
    for (Prop p : {Prop::Font, Prop::Caption, Prop::Picture, Prop::Color, Prop::Lines, Prop::Alignment, Prop::Bounds,
                   Prop::Hint, Prop::Enabled, Prop::Visible})
        mirrorWidget(w, p);
}

void QtBinding::buildMenu(QWidget* container, MenuItem& item) {
    QAction* act = nullptr;
    if (item.separator()) {
        act = new QAction(container);
        act->setSeparator(true);
    } else if (!item.items().empty()) {
        auto* menu = new QMenu(qtText(item.caption()), container);
        menu->setObjectName(QString::fromStdString(item.name()));
        for (MenuItem* child : item.items()) buildMenu(menu, *child);
        QObject::connect(menu, &QMenu::aboutToShow, [this, &item] {
            if (item.onClick) dispatch(item.onClick);
        });
        act = menu->menuAction();
    } else {
        act = new QAction(qtText(item.caption()), container);
        QObject::connect(act, &QAction::triggered, [this, &item] {
            if (item.onClick) dispatch(item.onClick);
            // Qt ticks a checkable entry by itself; the model's mark is the one that counts.
            mirrorMenuItem(item, Prop::Checked);
        });
    }
    act->setObjectName(QString::fromStdString(item.name()));
    container->addAction(act);
    natives_[&item] = act;
    for (Prop p : {Prop::Checked, Prop::Enabled, Prop::Visible}) mirrorMenuItem(item, p);
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

void QtBinding::mirrorMenuItem(MenuItem& item, Prop prop) {
    auto* act = qobject_cast<QAction*>(native(item));
    if (!act) return;
    switch (prop) {
    case Prop::Caption:
        if (item.separator()) {
            act->setSeparator(true);
        } else {
            act->setSeparator(false);
            act->setText(qtText(item.caption()));
            if (act->menu()) act->menu()->setTitle(qtText(item.caption()));
        }
        break;
    case Prop::Checked:
        // Only a ticked entry is checkable, so that an unticked one shows no empty box.
        if (item.checked()) {
            act->setCheckable(true);
            act->setChecked(true);
        } else {
            act->setChecked(false);
            act->setCheckable(false);
        }
        break;
    case Prop::Enabled: act->setEnabled(item.enabled()); break;
    case Prop::Visible:
        act->setVisible(item.visible());
        // A hidden entry cannot be chosen at all, not even by its shortcut.
        act->setShortcut(item.visible() && !item.shortcut.empty()
                             ? QKeySequence(QString::fromStdString(item.shortcut), QKeySequence::PortableText)
                             : QKeySequence());
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

void QtBinding::mirrorWidget(Widget& w, Prop prop) {
    auto* q = qobject_cast<QWidget*>(native(w));
    if (!q) return;
    switch (prop) {
    case Prop::Visible:
        q->setVisible(w.visible());
        if (w.kind() == WidgetKind::Memo && w.visible() && memoStale_[static_cast<Memo*>(&w)])
            mirrorWidget(w, Prop::Lines);
        if (w.kind() == WidgetKind::Shape && static_cast<Shape&>(w).align != Shape::Align::None) layoutAlignedShapes();
        break;
    case Prop::Enabled: q->setEnabled(w.enabled()); break;
    case Prop::Hint: q->setToolTip(qtText(w.hint())); break;
    case Prop::Bounds:
        if (w.kind() == WidgetKind::Shape && static_cast<Shape&>(w).align != Shape::Align::None) {
            if (!syncing_) layoutAlignedShapes();
            q->setGeometry(w.left(), w.top(), w.width(), w.height());
        } else if (w.kind() == WidgetKind::Label && (w.width() <= 0 || w.height() <= 0)) {
            autoSize(w);
        } else {
            q->setGeometry(w.left(), w.top(), w.width(), w.height());
        }
        break;
    case Prop::Caption:
        if (auto* l = dynamic_cast<QLabel*>(q); l && w.kind() == WidgetKind::Label) {
            l->setText(qtText(stripAccessKey(w.caption())));
            if (w.width() <= 0 || w.height() <= 0) autoSize(w);
        } else if (auto* b = dynamic_cast<QPushButton*>(q)) {
            b->setText(qtText(w.caption()));
        } else if (auto* p = dynamic_cast<BevelPanel*>(q)) {
            p->caption = qtText(w.caption());
            p->update();
        }
        break;
    case Prop::Value:
        if (auto* s = dynamic_cast<StepSpinBox*>(q)) s->showText(qtText(static_cast<SpinEdit&>(w).text()));
        break;
    case Prop::Color:
        if (auto* s = dynamic_cast<ShapeWidget*>(q)) {
            s->pen = static_cast<Shape&>(w).penColor();
            s->brush = static_cast<Shape&>(w).brushColor();
            s->update();
        }
        break;
    case Prop::Picture:
        if (w.kind() == WidgetKind::Image) {
            auto& im = static_cast<Image&>(w);
            auto* l = static_cast<QLabel*>(q);
            QPixmap pic = im.transparent ? platform_.pictures().findTransparent(im.picture())
                                         : platform_.pictures().find(im.picture());
            l->setPixmap(pic);
            l->setAlignment(im.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
        }
        break;
    case Prop::Lines:
        if (w.kind() == WidgetKind::Memo) {
            auto& m = static_cast<Memo&>(w);
            // A hidden memo is the program's line buffer: it is drawn only when shown.
            if (!m.visible()) {
                memoStale_[&m] = true;
                break;
            }
            memoStale_[&m] = false;
            static_cast<QPlainTextEdit*>(q)->setPlainText(memoText(m));
        }
        break;
    case Prop::Alignment:
        if (w.kind() == WidgetKind::Label) {
            auto& l = static_cast<Label&>(w);
            static_cast<QLabel*>(q)->setAlignment(l.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
            static_cast<QLabel*>(q)->setWordWrap(l.wordWrap);
        }
        break;
    case Prop::Font:
        if (w.kind() == WidgetKind::Label) {
            auto& l = static_cast<Label&>(w);
            if (fontGiven(l.font)) q->setFont(qtFont(l.font, q->font()));
            QPalette pal = q->palette();
            pal.setColor(QPalette::WindowText, colorFromBgr(l.font.color));
            q->setPalette(pal);
            static_cast<QLabel*>(q)->setAlignment(l.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
            static_cast<QLabel*>(q)->setWordWrap(l.wordWrap);
        } else if (w.kind() == WidgetKind::Memo) {
            auto& m = static_cast<Memo&>(w);
            if (fontGiven(m.font)) q->setFont(qtFont(m.font, q->font()));
            QPalette pal = q->palette();
            pal.setColor(QPalette::Base, colorFromBgr(m.background));
            pal.setColor(QPalette::Text, colorFromBgr(m.font.color));
            q->setPalette(pal);
            static_cast<QPlainTextEdit*>(q)->setReadOnly(m.readOnly);
            static_cast<QPlainTextEdit*>(q)->setLineWrapMode(m.wordWrap ? QPlainTextEdit::WidgetWidth
                                                                         : QPlainTextEdit::NoWrap);
        }
        break;
    default: break;
    }
}

void QtBinding::autoSize(Widget& w) {
    // A label without a size takes the size of its text, and the model learns it.
    auto* l = qobject_cast<QLabel*>(native(w));
    if (!l) return;
    const QSize s = l->sizeHint();
    l->setGeometry(w.left(), w.top(), s.width(), s.height());
    syncing_ = true;
    w.setBounds({w.left(), w.top(), s.width(), s.height()});
    syncing_ = false;
}

bool QtBinding::refusesMaximised() const {
    return !form_.maximizeBox && !form_.maximised && (window_->windowState() & Qt::WindowMaximized);
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

int QtBinding::menuBarHeight(int width) const {
    if (!menuBar_) return 0;
    const int h = menuBar_->heightForWidth(width);
    return h > 0 ? h : menuBar_->sizeHint().height();
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

void QtBinding::keyReleased(QKeyEvent* e) {
    if (!form_.onKeyUp) return;
    const unsigned long unshifted = platform_.unshiftedKeysym(e->nativeScanCode());
    const uint8_t vk = vkForKeyEvent(unshifted, e->nativeVirtualKey(), e->key(), e->modifiers() & Qt::KeypadModifier);
    if (vk == 0) return;
    dispatch([this, vk] { form_.onKeyUp(vk); });
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
