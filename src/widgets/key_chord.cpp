#include "widgets/key_chord.h"

#include "platform/text.h"
#include "platform/virtual_keys.h"

namespace zv {

namespace {

std::optional<int> keyOf(const std::string& key) {
    if (key.size() == 1 && ((key[0] >= 'A' && key[0] <= 'Z') || (key[0] >= '0' && key[0] <= '9'))) return key[0];
    if (key.size() >= 2 && key.size() <= 3 && key[0] == 'F' && key.find_first_not_of("0123456789", 1) == std::string::npos) {
        const int n = std::stoi(key.substr(1));
        if (n >= 1 && n <= 24) return vk::F1 + n - 1;
        return std::nullopt;
    }
    if (key == "DEL" || key == "DELETE") return vk::Delete;
    if (key == "INS" || key == "INSERT") return vk::Insert;
    if (key == "ENTER") return vk::Return;
    if (key == "ESC" || key == "ESCAPE") return vk::Escape;
    if (key == "SPACE") return vk::Space;
    if (key == "TAB") return vk::Tab;
    if (key == "UP") return vk::Up;
    if (key == "DOWN") return vk::Down;
    if (key == "+") return vk::NumpadAdd;
    return std::nullopt;
}

}  // namespace

std::optional<KeyChord> parseChord(const std::string& text) {
    KeyChord chord;
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
                chord.ctrl = true;
            else if (modifier == "SHIFT")
                chord.shift = true;
            else if (modifier == "ALT")
                chord.alt = true;
            else
                return std::nullopt;
            start = plus + 1;
            continue;
        }
        auto code = keyOf(key);
        if (!code) return std::nullopt;
        chord.vk = *code;
        return chord;
    }
}

int accessKeyOf(const std::string& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        const char c = caption[i + 1];
        if (c == '&') {
            ++i;
            continue;
        }
        if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
        return 0;
    }
    return 0;
}

}  // namespace zv
