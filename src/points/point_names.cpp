#include "points/point_names.h"

#include <algorithm>

#include "points/point_set.h"
#include "platform/text.h"

namespace zv {

void PointNames::clear() { names_.clear(); }

void PointNames::set(int index, const std::string& name) {
    if (index < 0 || index >= PointSet::kCapacity) return;
    if (names_.size() <= static_cast<size_t>(index)) {
        if (name.empty()) return;
        names_.resize(static_cast<size_t>(index) + 1);
    }
    names_[static_cast<size_t>(index)] = name;
}

void PointNames::unset(int index) { set(index, std::string()); }

const std::string& PointNames::nameOf(int index) const {
    static const std::string none;
    if (index < 0 || static_cast<size_t>(index) >= names_.size()) return none;
    return names_[static_cast<size_t>(index)];
}

bool PointNames::any(int count) const {
    const size_t n = std::min(names_.size(), static_cast<size_t>(std::max(count, 0)));
    return std::any_of(names_.begin(), names_.begin() + static_cast<std::ptrdiff_t>(n),
                       [](const std::string& name) { return !name.empty(); });
}

std::string tidyName(const std::string& utf8) {
    std::string out;
    size_t characters = 0;
    bool blank = false;
    size_t i = 0;
    while (i < utf8.size() && characters < kLongestName) {
        const char32_t cp = nextUtf8Character(utf8, i);
        const bool space = cp < 0x20 || cp == 0x7F || (cp >= 0x80 && cp < 0xA0) || cp == ' ' || cp == 0xA0;
        if (space) {
            blank = !out.empty();
            continue;
        }
        if (blank) {
            out += ' ';
            ++characters;
            blank = false;
            if (characters == kLongestName) break;
        }
        appendUtf8Character(out, cp);
        ++characters;
    }
    return out;
}

std::string fallbackName(const std::string& windowTitle, int number) {
    const std::string title = tidyName(windowTitle);
    return title.empty() ? std::to_string(number) : title + " " + std::to_string(number);
}

std::string spokenName(const PointNames& names, int index) {
    const std::string& name = names.nameOf(index);
    return name.empty() ? std::to_string(index + 1) : name;
}

}  // namespace zv
