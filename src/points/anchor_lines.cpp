#include "points/anchor_lines.h"

#include <charconv>
#include <map>
#include <optional>

namespace zv {

namespace {

constexpr const char* kPrefix = "//zv ";

// Titles and classes are code page 1252 bytes; a quote, a backslash and the control
// bytes (a title may hold a line break) are escaped so that each stays on its line.
std::string quoted(const std::string& text) {
    static const char* const hex = "0123456789ABCDEF";
    std::string out = "\"";
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (b < 0x20 || b == 0x7F) {
            out += "\\x";
            out += hex[b >> 4];
            out += hex[b & 0xF];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

struct Token {
    std::string text;
    bool quoted = false;
};

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The words of a line after the prefix; nothing when a quote or an escape is broken.
std::optional<std::vector<Token>> tokens(const std::string& line, size_t from) {
    std::vector<Token> out;
    size_t i = from;
    while (i < line.size()) {
        if (line[i] == ' ') {
            ++i;
            continue;
        }
        Token t;
        if (line[i] != '"') {
            while (i < line.size() && line[i] != ' ') t.text += line[i++];
            out.push_back(t);
            continue;
        }
        t.quoted = true;
        ++i;
        for (;;) {
            if (i >= line.size()) return std::nullopt;
            const char c = line[i++];
            if (c == '"') break;
            if (c != '\\') {
                t.text += c;
                continue;
            }
            if (i >= line.size()) return std::nullopt;
            const char e = line[i++];
            if (e == '"' || e == '\\') {
                t.text += e;
            } else if (e == 'x' && i + 1 < line.size() && hexDigit(line[i]) >= 0 && hexDigit(line[i + 1]) >= 0) {
                t.text += static_cast<char>(hexDigit(line[i]) * 16 + hexDigit(line[i + 1]));
                i += 2;
            } else {
                return std::nullopt;
            }
        }
        out.push_back(t);
    }
    return out;
}

std::optional<int> integer(const Token& t) {
    if (t.quoted || t.text.empty()) return std::nullopt;
    int value = 0;
    const char* end = t.text.data() + t.text.size();
    auto [ptr, ec] = std::from_chars(t.text.data(), end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

bool word(const Token& t, const char* w) { return !t.quoted && t.text == w; }

}  // namespace

std::vector<std::string> anchorLines(const WindowAnchors& anchors, int count) {
    std::vector<std::string> lines;
    if (!anchors.any(count)) return lines;
    lines.push_back(std::string(kPrefix) + "windows " + std::to_string(kAnchorLinesVersion));
    // Only the windows the points use, numbered from 1 in the order the points first use them.
    std::map<int, int> number;
    std::vector<std::string> pointLines;
    for (int i = 0; i < count; ++i) {
        const auto anchor = anchors.anchorOf(i);
        if (!anchor) continue;
        auto [it, added] = number.emplace(anchor->window, static_cast<int>(number.size()) + 1);
        if (added) {
            const RecordedWindow& w = anchors.window(anchor->window);
            lines.push_back(std::string(kPrefix) + "window " + std::to_string(it->second) + " " +
                            std::to_string(w.rect.left) + " " + std::to_string(w.rect.top) + " " +
                            std::to_string(w.rect.width) + " " + std::to_string(w.rect.height) + " " +
                            quoted(w.className) + " " + quoted(w.title));
        }
        pointLines.push_back(std::string(kPrefix) + "point " + std::to_string(i + 1) + " " + std::to_string(it->second) +
                             (anchor->fromRight ? " right " : " left ") + std::to_string(anchor->dx) +
                             (anchor->fromBottom ? " bottom " : " top ") + std::to_string(anchor->dy));
    }
    lines.insert(lines.end(), pointLines.begin(), pointLines.end());
    return lines;
}

WindowAnchors readAnchorLines(const std::vector<std::string>& lines, int count) {
    std::map<int, RecordedWindow> windows;
    struct PointLine {
        int window;
        PointAnchor anchor;
    };
    std::map<int, PointLine> points;
    bool known = false;   // a version line we understand has been seen
    const std::string prefix = kPrefix;
    for (size_t n = 1; n < lines.size(); ++n) {
        const std::string& line = lines[n];
        if (line.compare(0, prefix.size(), prefix) != 0) continue;
        const auto t = tokens(line, prefix.size());
        if (!t || t->empty()) continue;
        const std::vector<Token>& w = *t;
        // Words past those a line of this version has are for later versions to use.
        if (word(w[0], "windows") && w.size() >= 2) {
            known = integer(w[1]) == kAnchorLinesVersion;
        } else if (known && word(w[0], "window") && w.size() >= 8) {
            const auto id = integer(w[1]), l = integer(w[2]), tp = integer(w[3]), wd = integer(w[4]),
                       h = integer(w[5]);
            if (!id || !l || !tp || !wd || !h || *wd < 0 || *h < 0 || !w[6].quoted || !w[7].quoted) continue;
            windows.emplace(*id, RecordedWindow{w[7].text, w[6].text, Rect{*l, *tp, *wd, *h}});
        } else if (known && word(w[0], "point") && w.size() >= 7) {
            const auto p = integer(w[1]), win = integer(w[2]), dx = integer(w[4]), dy = integer(w[6]);
            const bool horizontal = word(w[3], "left") || word(w[3], "right");
            const bool vertical = word(w[5], "top") || word(w[5], "bottom");
            if (!p || !win || !dx || !dy || !horizontal || !vertical || *p < 1 || *p > count) continue;
            PointAnchor a;
            a.fromRight = word(w[3], "right");
            a.dx = *dx;
            a.fromBottom = word(w[5], "bottom");
            a.dy = *dy;
            points.emplace(*p, PointLine{*win, a});
        }
    }
    WindowAnchors out;
    for (const auto& [p, line] : points) {
        const auto it = windows.find(line.window);
        if (it != windows.end()) out.setAnchor(p - 1, it->second, line.anchor);
    }
    return out;
}

WindowAnchors readAnchorLinesOf(const std::string& text, int count) {
    std::vector<std::string> ours = {std::string()};   // where the first line, never ours, stands
    const std::string start = std::string("\n") + kPrefix;
    for (size_t at = text.find(start); at != std::string::npos; at = text.find(start, at + 1)) {
        const size_t from = at + 1;
        const size_t end = text.find("\r\n", from);
        ours.push_back(text.substr(from, end == std::string::npos ? std::string::npos : end - from));
    }
    return readAnchorLines(ours, count);
}

}  // namespace zv
