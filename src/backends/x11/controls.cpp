// The child controls of a form, one Qt widget per widget of the model: creation and the
// properties mirrored into them.

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QPushButton>
#include <QToolButton>

#include "backends/x11/binding.h"
#include "backends/x11/conversions.h"
#include "backends/x11/pictures.h"
#include "backends/x11/qt_widgets.h"
#include "platform/text.h"

namespace zv::x11 {

namespace {

// A label's caption as the other desktops show it: its access key, where it has one,
// underlined, and "&&" as one "&".
void showLabelCaption(QLabel& label, const std::string& caption) {
    const std::string plain = stripAccessKey(caption);
    size_t keyAt = std::string::npos;
    for (size_t i = 0, shown = 0; i + 1 < caption.size(); ++i, ++shown) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        keyAt = shown;
        break;
    }
    if (keyAt == std::string::npos || keyAt >= plain.size()) {
        label.setTextFormat(Qt::PlainText);
        label.setText(qtText(plain));
        return;
    }
    label.setTextFormat(Qt::RichText);
    label.setText(qtText(plain.substr(0, keyAt)).toHtmlEscaped() + QStringLiteral("<u>") +
                  qtText(plain.substr(keyAt, 1)).toHtmlEscaped() + QStringLiteral("</u>") +
                  qtText(plain.substr(keyAt + 1)).toHtmlEscaped());
}

QString memoText(const Memo& m) { return qtText(m.text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

// The list's rows as Qt items, one text per column.
void fillRows(QTreeWidget& tree, const ListView& list) {
    const QSignalBlocker quiet(&tree);
    tree.clear();
    QList<QTreeWidgetItem*> items;
    for (const ListView::Row& row : list.rows()) {
        QStringList texts;
        for (const std::string& cell : row) texts << qtText(cell);
        items << new QTreeWidgetItem(texts);
    }
    tree.addTopLevelItems(items);
}

void showSelected(QTreeWidget& tree, const ListView& list) {
    const QSignalBlocker quiet(&tree);
    QTreeWidgetItem* item = list.selected() >= 0 ? tree.topLevelItem(list.selected()) : nullptr;
    tree.clearSelection();
    if (!item) return;
    tree.setCurrentItem(item);
    item->setSelected(true);
    tree.scrollToItem(item);
}

}  // namespace

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
    case WidgetKind::ListView: {
        auto& list = static_cast<ListView&>(w);
        auto* tree = new QTreeWidget(parent);
        tree->setRootIsDecorated(false);
        tree->setUniformRowHeights(true);
        tree->setAllColumnsShowFocus(true);
        tree->setSelectionMode(QAbstractItemView::SingleSelection);
        tree->setSelectionBehavior(QAbstractItemView::SelectRows);
        tree->setColumnCount(static_cast<int>(list.columns.size()));
        QStringList headers;
        for (const ListView::Column& c : list.columns) headers << qtText(c.caption);
        tree->setHeaderLabels(headers);
        for (size_t i = 0; i < list.columns.size(); ++i) tree->setColumnWidth(static_cast<int>(i), list.columns[i].width);
        tree->header()->setStretchLastSection(true);
        // By mouse or by keys, the row the user chose is the model's.
        QObject::connect(tree, &QTreeWidget::itemSelectionChanged, [this, &list, tree] {
            const auto chosen = tree->selectedItems();
            const int row = chosen.isEmpty() ? -1 : tree->indexOfTopLevelItem(chosen.front());
            dispatch([&list, row] { list.userSelected(row); });
        });
        made = tree;
        break;
    }
    case WidgetKind::Edit: {
        auto& edit = static_cast<Edit&>(w);
        auto* line = new QLineEdit(parent);
        if (edit.maxLength > 0) line->setMaxLength(edit.maxLength);
        // Only what the user types: the program's own texts come through the model.
        QObject::connect(line, &QLineEdit::textEdited, [this, &edit](const QString& text) {
            dispatch([&edit, typed = utf8ToCp1252(text.toStdString())] { edit.userTyped(typed); });
        });
        QObject::connect(line, &QLineEdit::returnPressed, [this, &edit] {
            if (edit.onEnter) dispatch(edit.onEnter);
        });
        made = line;
        break;
    }
    case WidgetKind::Form:
    case WidgetKind::MenuItem:
        return;
    }
    auto* q = static_cast<QWidget*>(made);
    q->setObjectName(QString::fromStdString(w.name()));
    q->installEventFilter(&keys_);
    natives_[&w] = made;
    for (Prop p : {Prop::Font, Prop::Caption, Prop::Picture, Prop::Color, Prop::Lines, Prop::Alignment, Prop::Bounds,
                   Prop::Hint, Prop::Enabled, Prop::Visible, Prop::Rows, Prop::Selection, Prop::Text})
        mirrorWidget(w, p);
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
    case Prop::Focus: q->setFocus(Qt::ShortcutFocusReason); break;
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
            showLabelCaption(*l, w.caption());
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
    case Prop::Rows:
        if (w.kind() == WidgetKind::ListView) {
            fillRows(*static_cast<QTreeWidget*>(q), static_cast<ListView&>(w));
            showSelected(*static_cast<QTreeWidget*>(q), static_cast<ListView&>(w));
        }
        break;
    case Prop::Selection:
        if (w.kind() == WidgetKind::ListView) showSelected(*static_cast<QTreeWidget*>(q), static_cast<ListView&>(w));
        break;
    case Prop::Text:
        if (w.kind() == WidgetKind::Edit) {
            auto* line = static_cast<QLineEdit*>(q);
            const QString text = qtText(static_cast<Edit&>(w).text());
            if (line->text() != text) line->setText(text);
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

}  // namespace zv::x11
