#include "platform/profile_document.h"

#include <algorithm>

#include "platform/lines.h"
#include "platform/text.h"

// The layout rules follow the Windows profile functions as far as they are documented
// (case-independent names, quotes discarded on read, truncation to the buffer) and, where
// they are not, the Wine implementation, which the wine-profile test runs side by side
// with this one: lines end at CR or LF, blanks around names and values are dropped, blank
// lines vanish when the file is rewritten, the first section and the first key of a name
// win, a new key goes after the last entry of its section and a new section at the end.

namespace zv {

namespace {

bool isBlank(char c) {
    // ^Z counts too: old DOS editors left it at the end of files.
    return c == ' ' || (c >= '\t' && c <= '\r') || c == 0x1A;
}

std::string_view trimLeft(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && isBlank(s[i])) ++i;
    return s.substr(i);
}

std::string_view trimRight(std::string_view s) {
    size_t n = s.size();
    while (n > 0 && isBlank(s[n - 1])) --n;
    return s.substr(0, n);
}

std::string_view trim(std::string_view s) { return trimRight(trimLeft(s)); }

// A line whose first character is ";" is a comment: it stays in the file but no key of
// that name is ever found.
bool isComment(const std::string& name) { return !name.empty() && name[0] == ';'; }

}  // namespace

ProfileDocument ProfileDocument::parse(std::string_view bytes) {
    ProfileDocument doc;
    Section* section = &doc.sections_.front();
    forEachLine(bytes, [&](std::string_view raw) {
        const std::string_view line = trim(raw);
        if (line.empty()) return;

        if (line.front() == '[') {
            const size_t close = line.rfind(']');
            if (close != 0 && close != std::string_view::npos) {
                doc.sections_.push_back(Section{std::string(trim(line.substr(1, close - 1))), {}});
                section = &doc.sections_.back();
                return;
            }
            // Without a closing bracket the line is an ordinary entry.
        }

        Entry entry;
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            entry.name = std::string(line);
        } else {
            entry.name = std::string(trimRight(line.substr(0, equals)));
            entry.value = std::string(trimLeft(line.substr(equals + 1)));
        }
        // Of a run of nameless entries ("=value" lines) only the first is kept.
        if (!entry.name.empty() || section->entries.empty() || !section->entries.back().name.empty())
            section->entries.push_back(std::move(entry));
    });
    return doc;
}

std::string ProfileDocument::text() const {
    size_t size = 0;
    for (const Section& section : sections_) {
        size += section.name.size() + 4;
        for (const Entry& entry : section.entries) size += entry.name.size() + (entry.value ? entry.value->size() : 0) + 3;
    }
    std::string out;
    out.reserve(size);
    for (size_t i = 0; i < sections_.size(); ++i) {
        const Section& section = sections_[i];
        if (i > 0) {
            out += '[';
            out += section.name;
            out += "]\r\n";
        }
        for (const Entry& entry : section.entries) {
            out += entry.name;
            if (entry.value) {
                out += '=';
                out += *entry.value;
            }
            out += "\r\n";
        }
    }
    return out;
}

size_t ProfileDocument::findSection(const std::string& name) const {
    const std::string wanted(trim(name));
    for (size_t i = 0; i < sections_.size(); ++i)
        if (equalsIgnoreCase1252(sections_[i].name, wanted)) return i;
    return kNone;
}

size_t ProfileDocument::findEntry(const Section& section, const std::string& key) {
    const std::string wanted(trim(key));
    if (isComment(wanted)) return kNone;
    for (size_t i = 0; i < section.entries.size(); ++i) {
        const std::string& name = section.entries[i].name;
        if (!isComment(name) && equalsIgnoreCase1252(name, wanted)) return i;
    }
    return kNone;
}

namespace {

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (foldCase1252(a[i]) != foldCase1252(b[i])) return false;
    return true;
}

// The value as a read gives it: the default without its trailing blanks when nothing was
// found, enclosing quotes dropped, cut to the buffer.
ProfileRead answer(std::optional<std::string_view> found, const std::string& defaultValue, unsigned bufsize) {
    ProfileRead read;
    if (bufsize == 0) return read;
    std::string_view source = defaultValue;
    // Only blanks proper are cut from the end of the default, not tabs.
    while (!source.empty() && source.back() == ' ') source.remove_suffix(1);
    if (found) source = *found;

    // A value enclosed in matching single or double quotes loses them, the quotes
    // counting for nothing against the buffer size.
    if (source.size() >= 2 && (source.front() == '"' || source.front() == '\'') &&
        source.back() == source.front())
        source = source.substr(1, source.size() - 2);

    read.value = std::string(source.substr(0, std::min<size_t>(source.size(), bufsize - 1)));
    read.ret = static_cast<int>(read.value.size());
    return read;
}

}  // namespace

ProfileRead ProfileDocument::get(const std::string& section, const std::string& key,
                                 const std::string& defaultValue, unsigned bufsize) const {
    std::optional<std::string_view> found;
    if (const size_t s = findSection(section); s != kNone) {
        const Section& sec = sections_[s];
        const size_t e = findEntry(sec, key);
        if (e != kNone && sec.entries[e].value) found = *sec.entries[e].value;
    }
    return answer(found, defaultValue, bufsize);
}

ProfileDocument::Found ProfileDocument::find(std::string_view bytes, const std::string& section,
                                             const std::string& key) {
    // The lines as parse() reads them; only the first section of the name counts, and
    // in it the first entry of the key.
    const std::string wantedSection(trim(section));
    const std::string wantedKey(trim(key));
    const bool keyIsComment = isComment(wantedKey);
    bool inside = wantedSection.empty();  // the lines before any header form a nameless section
    Found found;
    forEachLine(bytes, [&](std::string_view raw) {
        const std::string_view line = trim(raw);
        if (line.empty()) return true;

        if (line.front() == '[') {
            const size_t close = line.rfind(']');
            if (close != 0 && close != std::string_view::npos) {
                if (inside) return false;  // the section ended without the key
                inside = sameName(trim(line.substr(1, close - 1)), wantedSection);
                return true;
            }
        }
        if (!inside || keyIsComment) return true;
        const size_t equals = line.find('=');
        const std::string_view name = equals == std::string_view::npos ? line : trimRight(line.substr(0, equals));
        if (!name.empty() && name.front() == ';') return true;
        if (!sameName(name, wantedKey)) return true;
        found.entry = true;
        if (equals != std::string_view::npos) found.value = trimLeft(line.substr(equals + 1));
        return false;
    });
    return found;
}

ProfileRead ProfileDocument::lookup(std::string_view bytes, const std::string& section, const std::string& key,
                                    const std::string& defaultValue, unsigned bufsize) {
    return answer(find(bytes, section, key).value, defaultValue, bufsize);
}

bool ProfileDocument::stores(std::string_view bytes, const std::string& section, const std::string& key,
                             const std::string& value) {
    const Found found = find(bytes, section, key);
    return found.entry && found.value && *found.value == trimLeft(value);
}

bool ProfileDocument::set(const std::string& section, const std::string& key, const std::string& value) {
    const std::string stored(trimLeft(value));
    // New names keep what the caller gave after its leading blanks, as the Windows
    // functions under Wine write them; the trailing ones vanish on the next read anyway.
    const size_t s = findSection(section);
    if (s == kNone) {
        sections_.push_back(Section{std::string(trimLeft(section)), {Entry{std::string(trimLeft(key)), stored}}});
        return true;
    }
    Section& found = sections_[s];
    if (const size_t e = findEntry(found, key); e != kNone) {
        if (found.entries[e].value == stored) return false;
        found.entries[e].value = stored;
        return true;
    }
    found.entries.push_back(Entry{std::string(trimLeft(key)), stored});
    return true;
}

}  // namespace zv
