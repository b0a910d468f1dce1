#pragma once
// The text of a settings file as the Windows profile functions see it: parsed from bytes,
// queried and changed one key at a time, and written back in their layout. No file access
// here (profile.cpp does that), so the parser can be tested and fuzzed on its own.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/profile.h"

namespace zv {

class ProfileDocument {
public:
    static ProfileDocument parse(std::string_view bytes);

    // The file as the profile functions write it after a change: one "[name]" line per
    // section, "name=value" (or a lone name) per entry, every line ending in CR LF.
    std::string text() const;

    ProfileRead get(const std::string& section, const std::string& key,
                    const std::string& defaultValue, unsigned bufsize) const;

    // What parse(bytes).get(...) answers, found in one pass over the bytes without
    // building the document: reading one key of a file of thousands stays cheap.
    static ProfileRead lookup(std::string_view bytes, const std::string& section, const std::string& key,
                              const std::string& defaultValue, unsigned bufsize);

    // Whether the bytes already store this value for the key, so that set() would change
    // nothing: found in one pass, as lookup() finds a value.
    static bool stores(std::string_view bytes, const std::string& section, const std::string& key,
                       const std::string& value);

    // True when the document changed (the value was not already stored).
    bool set(const std::string& section, const std::string& key, const std::string& value);

private:
    // The first entry of the key in the first section of the name, as parse() and get()
    // see them; an entry without "=" has no value.
    struct Found {
        bool entry = false;
        std::optional<std::string_view> value;
    };
    static Found find(std::string_view bytes, const std::string& section, const std::string& key);

    struct Entry {
        std::string name;
        std::optional<std::string> value;  // nothing for a line without "="
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    static constexpr size_t kNone = static_cast<size_t>(-1);
    size_t findSection(const std::string& name) const;
    static size_t findEntry(const Section& section, const std::string& key);

    // The first section holds the lines before any section header and has no header.
    std::vector<Section> sections_{Section{}};
};

}  // namespace zv
