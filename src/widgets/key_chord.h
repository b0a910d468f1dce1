#pragma once
// A key with the modifiers held while it was pressed, as menus, buttons and windows take
// keys on every desktop. Key codes are the virtual-key codes of platform/virtual_keys.h.

#include <optional>
#include <string>

namespace zv {

struct KeyChord {
    int vk = 0;
    bool ctrl = false, shift = false, alt = false;
    bool operator==(const KeyChord&) const = default;
};

// "Ctrl+B", "Shift+F5", "Ctrl+Alt+Del", "Esc", "Ctrl++": nothing when the text is none of those.
std::optional<KeyChord> parseChord(const std::string& text);

// The access key of a caption: the letter or digit after its "&" ("&&" is a literal
// ampersand), upper case; 0 when it has none.
int accessKeyOf(const std::string& caption);

}  // namespace zv
