#pragma once
// The menu bar of a form, built from its MenuItem tree. A hidden entry is not in the
// native menu at all; shown again, it goes back to its place among its visible siblings.

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "widgets/form.h"

namespace zv::win32 {

struct Shortcut {
    UINT key = 0;
    bool ctrl = false, shift = false, alt = false;
    bool operator==(const Shortcut&) const = default;
};

// "Ctrl+B", "Shift+F5", "Ctrl+Alt+Del": nothing when the text is none of those.
std::optional<Shortcut> parseShortcut(const std::string& text);

class MenuBar {
public:
    // Builds the native menu bar of the form; null when the form has no menu.
    HMENU build(Form& form, UINT firstId);
    ~MenuBar();

    bool empty() const { return bar_ == nullptr; }
    void update(MenuItem& item, Prop prop);
    MenuItem* byCommand(UINT id) const;
    // The entry whose shortcut this key press is, present in the menu and enabled.
    MenuItem* byShortcut(const Shortcut& pressed) const;

private:
    std::vector<MenuItem*> siblings(const MenuItem& item) const;
    HMENU menuOf(const MenuItem& item) const;
    int position(const MenuItem& item) const;
    void insert(MenuItem& item);
    void remove(MenuItem& item);
    void fill(MENUITEMINFOW& info, MenuItem& item, std::wstring& text);

    Form* form_ = nullptr;
    HWND hwnd_ = nullptr;
    HMENU bar_ = nullptr;
    std::map<MenuItem*, UINT> ids_;
    std::map<UINT, MenuItem*> items_;
    std::map<MenuItem*, HMENU> submenus_;
};

}  // namespace zv::win32
