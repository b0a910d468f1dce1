#include "backends/sim/unicode_text.h"

#include "platform/text.h"

namespace zv::sim {

namespace {
int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}
}  // namespace

std::string utf8FromScenario(const std::string& cp1252) {
    std::string out;
    for (size_t i = 0; i < cp1252.size(); ++i) {
        if (cp1252.compare(i, 3, "\\u{") == 0) {
            size_t k = i + 3;
            char32_t cp = 0;
            while (k < cp1252.size() && hexDigit(cp1252[k]) >= 0) cp = cp * 16 + static_cast<char32_t>(hexDigit(cp1252[k++]));
            if (k < cp1252.size() && cp1252[k] == '}' && k > i + 3) {
                appendUtf8Character(out, cp);
                i = k;
                continue;
            }
        }
        out += cp1252ToUtf8(std::string(1, cp1252[i]));
    }
    return out;
}

std::string scenarioFromUtf8(const std::string& utf8) {
    static const char* const hex = "0123456789ABCDEF";
    std::string out;
    size_t i = 0;
    while (i < utf8.size()) {
        const char32_t cp = nextUtf8Character(utf8, i);
        if (const auto byte = cp1252Byte(cp)) {
            out += *byte;
            continue;
        }
        std::string digits;
        for (char32_t v = cp; v; v >>= 4) digits.insert(digits.begin(), hex[v & 0xF]);
        out += "\\u{" + digits + "}";
    }
    return out;
}

}  // namespace zv::sim
