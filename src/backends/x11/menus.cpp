// The menu bar of a form and its entries: captions with their access keys, check marks,
// greyed and hidden entries, shortcuts.

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "backends/x11/binding.h"
#include "backends/x11/conversions.h"

namespace zv::x11 {

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

int QtBinding::menuBarHeight(int width) const {
    if (!menuBar_) return 0;
    const int h = menuBar_->heightForWidth(width);
    return h > 0 ? h : menuBar_->sizeHint().height();
}

}  // namespace zv::x11
