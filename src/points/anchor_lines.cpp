#include "points/anchor_lines.h"

#include "points/comment_words.h"

#include <map>
#include <optional>

namespace zv {

namespace {

using comment_words::integer;
using comment_words::kPrefix;
using comment_words::quoted;
using Token = comment_words::Word;

bool word(const Token& t, const char* w) { return comment_words::is(t, w); }

std::optional<std::vector<Token>> tokens(const std::string& line, size_t from) {
    return comment_words::words(line, from, comment_words::Texts::Cp1252);
}

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
    return readAnchorLines(comment_words::ownLinesOf(text), count);
}

}  // namespace zv
