#include "points/comment_words.h"

#include <charconv>

#include "platform/text.h"

namespace zv::comment_words {

namespace {

constexpr const char* kHex = "0123456789ABCDEF";

void appendByte(std::string& out, char c) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
        out += '\\';
        out += c;
    } else if (b < 0x20 || b == 0x7F) {
        out += "\\x";
        out += kHex[b >> 4];
        out += kHex[b & 0xF];
    } else {
        out += c;
    }
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The byte as the text keeps it: itself, or its character in UTF-8.
void appendText(std::string& out, char byte, Texts texts) {
    if (texts == Texts::Cp1252)
        out += byte;
    else
        out += cp1252ToUtf8(std::string(1, byte));
}

// \u{HEX} after its "u": one to six hexadecimal digits naming a character (not a
// surrogate); i moves past the closing brace.
std::optional<char32_t> unicodeEscape(const std::string& line, size_t& i) {
    if (i >= line.size() || line[i] != '{') return std::nullopt;
    size_t k = i + 1;
    char32_t cp = 0;
    int digits = 0;
    for (; k < line.size() && hexDigit(line[k]) >= 0 && digits < 6; ++k, ++digits)
        cp = cp * 16 + static_cast<char32_t>(hexDigit(line[k]));
    if (digits == 0 || k >= line.size() || line[k] != '}') return std::nullopt;
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    i = k + 1;
    return cp;
}

}  // namespace

std::string quoted(const std::string& cp1252) {
    std::string out = "\"";
    for (char c : cp1252) appendByte(out, c);
    return out + "\"";
}

std::string quotedUnicode(const std::string& utf8) {
    std::string out = "\"";
    size_t i = 0;
    while (i < utf8.size()) {
        const char32_t cp = nextUtf8Character(utf8, i);
        if (const auto byte = cp1252Byte(cp)) {
            appendByte(out, *byte);
            continue;
        }
        std::string digits;
        for (char32_t v = cp; v; v >>= 4) digits.insert(digits.begin(), kHex[v & 0xF]);
        out += "\\u{" + (digits.empty() ? std::string("0") : digits) + "}";
    }
    return out + "\"";
}

std::optional<std::vector<Word>> words(const std::string& line, size_t from, Texts texts) {
    std::vector<Word> out;
    size_t i = from;
    while (i < line.size()) {
        if (line[i] == ' ') {
            ++i;
            continue;
        }
        Word w;
        if (line[i] != '"') {
            while (i < line.size() && line[i] != ' ') w.text += line[i++];
            out.push_back(w);
            continue;
        }
        w.quoted = true;
        ++i;
        for (;;) {
            if (i >= line.size()) return std::nullopt;
            const char c = line[i++];
            if (c == '"') break;
            if (c != '\\') {
                appendText(w.text, c, texts);
                continue;
            }
            if (i >= line.size()) return std::nullopt;
            const char e = line[i++];
            if (e == '"' || e == '\\') {
                w.text += e;
            } else if (e == 'x' && i + 1 < line.size() && hexDigit(line[i]) >= 0 && hexDigit(line[i + 1]) >= 0) {
                appendText(w.text, static_cast<char>(hexDigit(line[i]) * 16 + hexDigit(line[i + 1])), texts);
                i += 2;
            } else if (e == 'u' && texts == Texts::Utf8) {
                const auto cp = unicodeEscape(line, i);
                if (!cp) return std::nullopt;
                appendUtf8Character(w.text, *cp);
            } else {
                return std::nullopt;
            }
        }
        out.push_back(w);
    }
    return out;
}

std::vector<std::string> ownLinesOf(const std::string& text) {
    std::vector<std::string> ours = {std::string()};
    const std::string start = std::string("\n") + kPrefix;
    for (size_t at = text.find(start); at != std::string::npos; at = text.find(start, at + 1)) {
        const size_t from = at + 1;
        const size_t end = text.find("\r\n", from);
        ours.push_back(text.substr(from, end == std::string::npos ? std::string::npos : end - from));
    }
    return ours;
}

std::optional<int> integer(const Word& word) {
    if (word.quoted || word.text.empty()) return std::nullopt;
    int value = 0;
    const char* end = word.text.data() + word.text.size();
    auto [ptr, ec] = std::from_chars(word.text.data(), end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

bool is(const Word& word, const char* bare) { return !word.quoted && word.text == bare; }

}  // namespace zv::comment_words
