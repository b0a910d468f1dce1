#include "backends/win32/menus.h"

#include <optional>

#include "backends/win32/wide.h"
#include "platform/text.h"

namespace zv::win32 {

std::optional<Shortcut> parseShortcut(const std::string& text) {
    if (text.empty()) return std::nullopt;
    Shortcut s;
    size_t start = 0;
    while (true) {
        const size_t plus = text.find('+', start);
        const std::string part = upperAscii(text.substr(start, plus == std::string::npos ? std::string::npos : plus - start));
        if (plus == std::string::npos || plus + 1 == text.size()) {
            // The key itself ("Ctrl++" names the plus key).
            const std::string key = plus == std::string::npos ? part : "+";
            if (key.size() == 1 && ((key[0] >= 'A' && key[0] <= 'Z') || (key[0] >= '0' && key[0] <= '9')))
                s.key = static_cast<UINT>(key[0]);
            else if (key.size() >= 2 && key[0] == 'F' && key.find_first_not_of("0123456789", 1) == std::string::npos) {
                const int n = std::stoi(key.substr(1));
                if (n < 1 || n > 24) return std::nullopt;
                s.key = VK_F1 + static_cast<UINT>(n - 1);
            } else if (key == "DEL" || key == "DELETE")
                s.key = VK_DELETE;
            else if (key == "INS" || key == "INSERT")
                s.key = VK_INSERT;
            else if (key == "ENTER")
                s.key = VK_RETURN;
            else if (key == "ESC")
                s.key = VK_ESCAPE;
            else if (key == "SPACE")
                s.key = VK_SPACE;
            else if (key == "TAB")
                s.key = VK_TAB;
            else if (key == "+")
                s.key = VK_ADD;
            else
                return std::nullopt;
            return s;
        }
        if (part == "CTRL")
            s.ctrl = true;
        else if (part == "SHIFT")
            s.shift = true;
        else if (part == "ALT")
            s.alt = true;
        else
            return std::nullopt;
        start = plus + 1;
    }
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
