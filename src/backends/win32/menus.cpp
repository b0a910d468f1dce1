// The menu bar of a form: entries and submenus, check marks, greyed and removed entries, shortcuts.
#include "backends/win32/menus.h"

#include <optional>

#include "backends/win32/wide.h"
#include "platform/text.h"
#include "widgets/key_chord.h"

namespace zv::win32 {

std::optional<Shortcut> parseShortcut(const std::string& text) {
    const auto chord = parseChord(text);
    if (!chord) return std::nullopt;
    return Shortcut{static_cast<UINT>(chord->vk), chord->ctrl, chord->shift, chord->alt};
}

// The forms live as long as the program: the menus go with the process.
MenuBar::~MenuBar() = default;

HMENU MenuBar::build(Form& form, UINT firstId) {
    form_ = &form;
    if (form.menuBar().empty()) return nullptr;
    bar_ = CreateMenu();
    UINT id = firstId;
    for (Widget* w : form.widgets()) {
        if (w->kind() != WidgetKind::MenuItem) continue;
        auto* item = static_cast<MenuItem*>(w);
        ids_[item] = id;
        items_[id] = item;
        ++id;
        if (!item->items().empty()) submenus_[item] = CreatePopupMenu();
    }
    // Parents come before their entries in creation order, so each entry finds its menu.
    for (Widget* w : form.widgets())
        if (w->kind() == WidgetKind::MenuItem && w->visible()) insert(*static_cast<MenuItem*>(w));
    return bar_;
}

std::vector<MenuItem*> MenuBar::siblings(const MenuItem& item) const {
    if (auto* parent = dynamic_cast<MenuItem*>(item.parent())) return parent->items();
    return form_->menuBar();
}

HMENU MenuBar::menuOf(const MenuItem& item) const {
    if (auto* parent = dynamic_cast<MenuItem*>(item.parent())) {
        auto it = submenus_.find(parent);
        return it == submenus_.end() ? nullptr : it->second;
    }
    return bar_;
}

int MenuBar::position(const MenuItem& item) const {
    int pos = 0;
    for (MenuItem* sibling : siblings(item)) {
        if (sibling == &item) break;
        if (sibling->visible()) ++pos;
    }
    return pos;
}

void MenuBar::fill(MENUITEMINFOW& info, MenuItem& item, std::wstring& text) {
    info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
    info.wID = ids_[&item];
    if (item.separator()) {
        info.fType = MFT_SEPARATOR;
    } else {
        info.fMask |= MIIM_STRING;
        info.fType = MFT_STRING;
        text = widen(item.caption());
        if (!item.shortcut.empty()) text += L"\t" + widen(item.shortcut);
        info.dwTypeData = text.data();
        info.cch = static_cast<UINT>(text.size());
    }
    info.fState = (item.checked() ? MFS_CHECKED : MFS_UNCHECKED) | (item.enabled() ? MFS_ENABLED : MFS_GRAYED);
    auto sub = submenus_.find(&item);
    info.hSubMenu = sub == submenus_.end() ? nullptr : sub->second;
}

void MenuBar::insert(MenuItem& item) {
    HMENU menu = menuOf(item);
    if (!menu) return;
    MENUITEMINFOW info;
    std::wstring text;
    fill(info, item, text);
    InsertMenuItemW(menu, static_cast<UINT>(position(item)), TRUE, &info);
}

void MenuBar::remove(MenuItem& item) {
    HMENU menu = menuOf(item);
    if (!menu) return;
    // RemoveMenu keeps a submenu alive, ready to be inserted again.
    RemoveMenu(menu, static_cast<UINT>(position(item)), MF_BYPOSITION);
}

void MenuBar::update(MenuItem& item, Prop prop) {
    if (!bar_ || !ids_.count(&item)) return;
    if (prop == Prop::Visible) {
        if (item.visible())
            insert(item);
        else
            remove(item);
        return;
    }
    if (!item.visible()) return;  // not in the native menu; inserted as it is when shown
    if (prop != Prop::Caption && prop != Prop::Checked && prop != Prop::Enabled) return;
    MENUITEMINFOW info;
    std::wstring text;
    fill(info, item, text);
    SetMenuItemInfoW(menuOf(item), static_cast<UINT>(position(item)), TRUE, &info);
}

MenuItem* MenuBar::byCommand(UINT id) const {
    auto it = items_.find(id);
    return it == items_.end() ? nullptr : it->second;
}

MenuItem* MenuBar::byShortcut(const Shortcut& pressed) const {
    for (auto& [item, id] : ids_) {
        if (item->shortcut.empty()) continue;
        auto s = parseShortcut(item->shortcut);
        if (s && *s == pressed && item->reachable()) return item;
    }
    return nullptr;
}

}  // namespace zv::win32
