// The shape of every command of the scenario language, checked before anything runs.

#include <charconv>
#include <functional>
#include <map>
#include <set>

#include "backends/sim/runner/script.h"
#include "widgets/key_chord.h"

namespace zv::sim {

std::optional<long long> number(const std::string& word) {
    long long value = 0;
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, value);
    if (ec != std::errc() || ptr != end || word.empty()) return std::nullopt;
    return value;
}

std::optional<uint32_t> colourValue(const std::string& word) {
    if (word.size() != 7 || word[0] != '#') return std::nullopt;
    uint32_t value = 0;
    auto [ptr, ec] = std::from_chars(word.data() + 1, word.data() + word.size(), value, 16);
    if (ec != std::errc() || ptr != word.data() + word.size()) return std::nullopt;
    return value;
}

namespace {

using Check = std::function<std::optional<std::string>(const Command&)>;

std::optional<std::string> count(const Command& c, size_t least, size_t most) {
    const size_t args = c.size() - 1;
    if (args < least || args > most) {
        if (least == most) return c.name() + " takes " + std::to_string(least) + " word(s)";
        return c.name() + " takes " + std::to_string(least) + " to " + std::to_string(most) + " words";
    }
    return std::nullopt;
}

std::optional<std::string> numbers(const Command& c, size_t from, size_t to) {
    for (size_t i = from; i <= to && i < c.size(); ++i)
        if (!number(c.at(i))) return "'" + c.at(i) + "' is not a number";
    return std::nullopt;
}

std::optional<std::string> oneOf(const Command& c, size_t i, std::initializer_list<const char*> words) {
    for (const char* w : words)
        if (c.keyword(i, w)) return std::nullopt;
    std::string list;
    for (const char* w : words) list += (list.empty() ? "" : "|") + std::string(w);
    return "expected " + list + " after " + c.name();
}

std::optional<std::string> exact(const Command& c, size_t args, size_t numFrom = 1, size_t numTo = 0) {
    if (auto e = count(c, args, args)) return e;
    if (numTo >= numFrom) return numbers(c, numFrom, numTo);
    return std::nullopt;
}

std::optional<std::string> windowShape(const Command& c) {
    if (c.size() < 3) return std::string("window takes an id and a title");
    size_t i = 3;
    while (i < c.size()) {
        if (c.keyword(i, "class") && i + 1 < c.size()) {
            i += 2;
        } else if (c.keyword(i, "at") && i + 4 < c.size()) {
            if (auto e = numbers(c, i + 1, i + 4)) return e;
            i += 5;
        } else {
            return "unexpected '" + c.at(i) + "' (class \"CLASS\" or at X Y W H)";
        }
    }
    return std::nullopt;
}

std::optional<std::string> accessibleShape(const Command& c) {
    if (c.size() == 2 && c.keyword(1, "none")) return std::nullopt;
    if (c.size() == 3 && c.keyword(2, "silent")) return std::nullopt;
    if (c.size() == 4 && c.keyword(2, "delay")) return numbers(c, 3, 3);
    if (c.size() == 7) return numbers(c, 2, 5);
    return std::string("accessible none, or ID X Y W H \"NAME\", ID silent or ID delay MS");
}

std::optional<std::string> speechShape(const Command& c) {
    if (c.size() == 2) return oneOf(c, 1, {"working", "none", "failing"});
    if (c.size() == 3 && c.keyword(1, "rate")) return numbers(c, 2, 2);
    if (c.size() == 3 && c.keyword(1, "voices")) return std::nullopt;
    return std::string("speech working|none|failing, speech rate MS or speech voices \"LANG ...\"");
}

std::optional<std::string> answerShape(const Command& c) {
    if (c.size() == 2 && c.keyword(1, "cancel")) return std::nullopt;
    if (c.size() < 3) return std::string("answer takes a kind and the answer, or cancel alone");
    if (c.keyword(1, "open") || c.keyword(1, "save")) return count(c, 2, 2);
    if (c.keyword(1, "question")) {
        if (auto e = count(c, 2, 2)) return e;
        return oneOf(c, 2, {"yes", "no"});
    }
    if (c.keyword(1, "color")) {
        if (auto e = count(c, 2, 2)) return e;
        if (c.keyword(2, "cancel")) return std::nullopt;
        return numbers(c, 2, 2);
    }
    if (c.keyword(1, "size")) return exact(c, 3, 2, 3);
    return std::string("answer open|save|color|size|question");
}

const std::set<std::string> kStates = {"checked", "unchecked", "enabled", "disabled", "visible", "hidden", "on", "off"};
const std::set<std::string> kProperties = {"caption", "hint",        "value",        "text",  "interval",
                                           "left",    "top",         "width",        "height", "clientwidth",
                                           "clientheight", "color", "selected",     "rows"};

std::optional<std::string> expectShape(const Command& c) {
    if (c.size() < 2) return std::string("expect what?");
    static const std::map<std::string, Check> special = {
        {"state", [](const Command& c) { return count(c, 3, 3); }},
        {"point", [](const Command& c) { return exact(c, 4, 2, 4); }},
        {"pointer", [](const Command& c) { return exact(c, 3, 2, 3); }},
        {"foreground", [](const Command& c) { return count(c, 2, 2); }},
        {"running",
         [](const Command& c) {
             if (auto e = count(c, 2, 2)) return e;
             return oneOf(c, 2, {"yes", "no"});
         }},
        {"ini", [](const Command& c) { return count(c, 4, 4); }},
        {"file", [](const Command& c) { return count(c, 3, 3); }},
        {"file-contains", [](const Command& c) { return count(c, 3, 3); }},
        {"file-copy", [](const Command& c) { return count(c, 3, 3); }},
        {"file-lacks", [](const Command& c) { return count(c, 3, 3); }},
        {"message", [](const Command& c) { return count(c, 2, 2); }},
        {"error", [](const Command& c) { return count(c, 2, 2); }},
        {"quiet", [](const Command& c) { return count(c, 1, 1); }},
        {"dialog",
         [](const Command& c) {
             if (auto e = count(c, 2, 3)) return e;
             return oneOf(c, 2, {"open", "save", "color", "size", "question"});
         }},
        {"input", [](const Command& c) { return count(c, 2, 2); }},
        {"hooks", [](const Command& c) { return count(c, 2, 2); }},
        {"hook-calls", [](const Command& c) { return count(c, 2, 2); }},
        {"got", [](const Command& c) { return count(c, 3, 3); }},
        {"shell", [](const Command& c) { return count(c, 2, 2); }},
        {"no-file-holds", [](const Command& c) { return count(c, 2, 2); }},
        {"speech", [](const Command& c) { return count(c, 2, 2); }},
        {"name", [](const Command& c) { return exact(c, 3, 2, 2); }},
    };
    if (!c.words[1].quoted) {
        if (auto it = special.find(c.at(1)); it != special.end()) return it->second(c);
    }
    if (c.size() == 3 && kStates.count(c.at(2))) return std::nullopt;
    if (c.size() == 4 && kProperties.count(c.at(2))) return std::nullopt;
    return "expect " + c.at(1) + " needs a state (checked, enabled, visible, on ...) or a property and its value";
}

}  // namespace

std::optional<std::string> shapeError(const Command& c) {
    static const std::map<std::string, Check> shapes = {
        {"screen", [](const Command& c) { return exact(c, 2, 1, 2); }},
        {"monitor", [](const Command& c) { return exact(c, 4, 1, 4); }},
        {"tick",
         [](const Command& c) -> std::optional<std::string> {
             if (auto e = exact(c, 1, 1, 1)) return e;
             const long long t = *number(c.at(1));
             if (t < 0 || t > 0xFFFFFFFFll) return std::string("the tick count is 32-bit");
             return std::nullopt;
         }},
        {"version", [](const Command& c) { return exact(c, 5, 1, 4); }},
        {"file", [](const Command& c) { return count(c, c.body ? 1 : 2, c.body ? 1 : 2); }},
        {"readonly", [](const Command& c) { return count(c, 1, 1); }},
        {"disk",
         [](const Command& c) -> std::optional<std::string> {
             if (auto e = count(c, 1, 1)) return e;
             return oneOf(c, 1, {"full", "free"});
         }},
        {"help", [](const Command& c) { return count(c, 1, 1); }},
        {"ini", [](const Command& c) { return count(c, 3, 3); }},
        {"ini-file", [](const Command& c) { return count(c, 1, 1); }},
        {"window", windowShape},
        {"title", [](const Command& c) { return count(c, 2, 2); }},
        {"move",
         [](const Command& c) -> std::optional<std::string> {
             if (c.size() != 4 && c.size() != 6) return std::string("move takes an id, X Y, and W H when it resizes");
             return numbers(c, 2, c.size() - 1);
         }},
        {"pointer", [](const Command& c) { return exact(c, 2, 1, 2); }},
        {"another-copy",
         [](const Command& c) -> std::optional<std::string> {
             if (c.keyword(1, "window")) return count(c, 2, 2);
             if (auto e = count(c, 1, 1)) return e;
             return oneOf(c, 1, {"starting", "window", "gone"});
         }},
        {"settings-file", [](const Command& c) { return count(c, 1, 1); }},
        {"accessible", accessibleShape},
        {"speech", speechShape},
        {"paint",
         [](const Command& c) -> std::optional<std::string> {
             if (auto e = exact(c, 6, 2, 5)) return e;
             if (!colourValue(c.at(6))) return "'" + c.at(6) + "' is not a colour (#RRGGBB)";
             return std::nullopt;
         }},
        {"label",
         [](const Command& c) -> std::optional<std::string> {
             if (auto e = count(c, 6, 7)) return e;
             if (auto e = numbers(c, 2, 5)) return e;
             if (c.size() == 8 && !colourValue(c.at(7))) return "'" + c.at(7) + "' is not a colour (#RRGGBB)";
             return std::nullopt;
         }},
        {"unpaint", [](const Command& c) { return count(c, 1, 1); }},
        {"grab", [](const Command& c) { return count(c, 1, 1); }},
        {"start", [](const Command&) { return std::optional<std::string>(); }},
        {"advance",
         [](const Command& c) -> std::optional<std::string> {
             if (auto e = exact(c, 1, 1, 1)) return e;
             if (*number(c.at(1)) < 0) return std::string("time does not run backwards");
             return std::nullopt;
         }},
        {"click", [](const Command& c) { return count(c, 1, 1); }},
        {"invoke", [](const Command& c) { return count(c, 1, 1); }},
        {"spin",
         [](const Command& c) -> std::optional<std::string> {
             if (auto e = count(c, 2, 3)) return e;
             if (auto e = oneOf(c, 2, {"up", "down"})) return e;
             return numbers(c, 3, 3);
         }},
        {"press",
         [](const Command& c) -> std::optional<std::string> {
             if (auto e = count(c, 1, 1)) return e;
             return oneOf(c, 1, {"left", "right", "middle"});
         }},
        {"press-earlier",
         [](const Command& c) -> std::optional<std::string> {
             if (auto e = count(c, 2, 2)) return e;
             if (auto e = oneOf(c, 1, {"left", "right", "middle"})) return e;
             if (auto e = numbers(c, 2, 2)) return e;
             if (*number(c.at(2)) < 0) return std::string("a press is not made in the future");
             return std::nullopt;
         }},
        {"key",
         [](const Command& c) -> std::optional<std::string> {
             if (auto e = count(c, 1, 1)) return e;
             if (!keyCode(c.at(1))) return "unknown key '" + c.at(1) + "'";
             return std::nullopt;
         }},
        {"foreground", [](const Command& c) { return count(c, 1, 1); }},
        {"chord",
         [](const Command& c) -> std::optional<std::string> {
             if (auto e = count(c, 1, 1)) return e;
             if (!parseChord(c.at(1))) return "unknown keys '" + c.at(1) + "' (Ctrl+Z, Alt+B, Esc ...)";
             return std::nullopt;
         }},
        {"select",
         [](const Command& c) -> std::optional<std::string> {
             if (auto e = count(c, 2, 2)) return e;
             if (c.keyword(2, "none")) return std::nullopt;
             if (auto n = number(c.at(2)); !n || *n < 0) return "'" + c.at(2) + "' is not a row (0, 1 ... or none)";
             return std::nullopt;
         }},
        {"type", [](const Command& c) { return count(c, 2, 2); }},
        {"answer", answerShape},
        {"close", [](const Command& c) { return count(c, 0, 0); }},
        {"mark", [](const Command& c) { return count(c, 0, 0); }},
        {"kill", [](const Command& c) { return count(c, 0, 0); }},
        {"expect", expectShape},
    };
    if (c.words.empty()) return std::string("empty command");
    if (c.words[0].quoted) return std::string("a command name is never quoted");
    auto it = shapes.find(c.name());
    if (it == shapes.end()) return "unknown command '" + c.name() + "'";
    if (c.body && c.name() != "file") return std::string("only file takes a <<END block");
    return it->second(c);
}

}  // namespace zv::sim
