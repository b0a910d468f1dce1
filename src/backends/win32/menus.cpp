// The menu bar of a form: entries and submenus, check marks, greyed and removed entries, shortcuts.
#include "backends/win32/menus.h"

#include <optional>

#include "backends/win32/wide.h"
#include "platform/text.h"

namespace zv::win32 {

namespace {

std::optional<UINT> keyOf(const std::string& key) {
    if (key.size() == 1 && ((key[0] >= 'A' && key[0] <= 'Z') || (key[0] >= '0' && key[0] <= '9'))) return static_cast<UINT>(key[0]);
    if (key.size() >= 2 && key.size() <= 3 && key[0] == 'F' && key.find_first_not_of("0123456789", 1) == std::string::npos) {
        const int n = std::stoi(key.substr(1));
        if (n >= 1 && n <= 24) return VK_F1 + static_cast<UINT>(n - 1);
        return std::nullopt;
    }
    if (key == "DEL" || key == "DELETE") return VK_DELETE;
    if (key == "INS" || key == "INSERT") return VK_INSERT;
    if (key == "ENTER") return VK_RETURN;
    if (key == "ESC") return VK_ESCAPE;
    if (key == "SPACE") return VK_SPACE;
    if (key == "TAB") return VK_TAB;
    if (key == "+") return VK_ADD;
    return std::nullopt;
}

}  // namespace

std::optional<Shortcut> parseShortcut(const std::string& text) {
    Shortcut s;
    size_t start = 0;
    while (true) {
        const size_t plus = text.find('+', start);
        std::string key;
        if (plus == std::string::npos) {
            key = upperAscii(text.substr(start));
        } else if (plus == start) {
            // "Ctrl++": the plus key itself, which must end the text.
            if (plus + 1 != text.size()) return std::nullopt;
            key = "+";
        } else {
            const std::string modifier = upperAscii(text.substr(start, plus - start));
            if (modifier == "CTRL")
                s.ctrl = true;
            else if (modifier == "SHIFT")
                s.shift = true;
            else if (modifier == "ALT")
                s.alt = true;
            else
                return std::nullopt;
            start = plus + 1;
            continue;
        }
        auto vk = keyOf(key);
        if (!vk) return std::nullopt;
        s.key = *vk;
        return s;
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
