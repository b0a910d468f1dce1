#pragma once
// The words of the program's own comment lines in a scan file ("//zv ..."), shared by the
// window lines and the name lines: bare words and texts in double quotes. Inside quotes
// \" is a quote, \\ a backslash and \xHH one byte; a text may also say \u{HEX} for one
// character that code page 1252 does not have (the names the accessibility layer gives
// can hold any character).

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zv::comment_words {

inline constexpr const char* kPrefix = "//zv ";

struct Word {
    std::string text;
    bool quoted = false;
};

// A code page 1252 text in quotes: a quote, a backslash and the control bytes escaped, so
// that a text holding a line break stays on its line.
std::string quoted(const std::string& cp1252);
// A UTF-8 text in quotes: its characters that the code page has as the code page's bytes
// (escaped as above), every other one as \u{HEX}.
std::string quotedUnicode(const std::string& utf8);

// How the texts in quotes come out: as the code page's bytes (\u{...} is then a broken
// escape), or as UTF-8.
enum class Texts { Cp1252, Utf8 };

// The words of a line from `from` on; nothing when a quote or an escape is broken.
std::optional<std::vector<Word>> words(const std::string& line, size_t from, Texts texts);

// The lines of ours in a file's text as the line buffer holds it (its lines joined by CR
// LF), after an empty first entry where the first line, never ours, stands: taking them
// out costs no more than the text's bytes, however many lines it holds.
std::vector<std::string> ownLinesOf(const std::string& text);

// A bare word that is a whole decimal number.
std::optional<int> integer(const Word& word);
// A bare word that is exactly this one.
bool is(const Word& word, const char* bare);

}  // namespace zv::comment_words
