#include "points/name_lines.h"

#include <map>

#include "points/comment_words.h"

namespace zv {

namespace cw = comment_words;

std::vector<std::string> nameLines(const PointNames& names, int count) {
    std::vector<std::string> lines;
    if (!names.any(count)) return lines;
    lines.push_back(std::string(cw::kPrefix) + "names " + std::to_string(kNameLinesVersion));
    for (int i = 0; i < count; ++i) {
        const std::string& name = names.nameOf(i);
        if (name.empty()) continue;
        lines.push_back(std::string(cw::kPrefix) + "name " + std::to_string(i + 1) + " " + cw::quotedUnicode(name));
    }
    return lines;
}

PointNames readNameLines(const std::vector<std::string>& lines, int count) {
    std::map<int, std::string> found;
    bool known = false;   // a version line we understand has been seen
    const std::string prefix = cw::kPrefix;
    for (size_t n = 1; n < lines.size(); ++n) {
        const std::string& line = lines[n];
        if (line.compare(0, prefix.size(), prefix) != 0) continue;
        const auto w = cw::words(line, prefix.size(), cw::Texts::Utf8);
        if (!w || w->empty()) continue;
        // Words past those a line of this version has are for later versions to use.
        if (cw::is((*w)[0], "names") && w->size() >= 2) {
            known = cw::integer((*w)[1]) == kNameLinesVersion;
        } else if (known && cw::is((*w)[0], "name") && w->size() >= 3) {
            const auto p = cw::integer((*w)[1]);
            if (!p || *p < 1 || *p > count || !(*w)[2].quoted || (*w)[2].text.empty()) continue;
            found.emplace(*p, (*w)[2].text);
        }
    }
    PointNames names;
    for (const auto& [p, name] : found) names.set(p - 1, name);
    return names;
}

PointNames readNameLinesOf(const std::string& text, int count) {
    return readNameLines(cw::ownLinesOf(text), count);
}

}  // namespace zv
