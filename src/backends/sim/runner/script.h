#pragma once
// Scenario files: one command a line, words separated by blanks, double quotes around a
// word with blanks (with \xHH, \r, \n, \t, \" and \\ inside), "#" comment lines, and
// "<<END" blocks for file contents. Files are UTF-8; every word comes out as code page
// 1252, and $MARKER anywhere in a word becomes the title marker. Each word is also kept as
// written, in UTF-8, for the texts the simulated system holds in Unicode: window titles
// and the names of files.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zv::sim {

struct Word {
    std::string text;     // code page 1252
    std::string unicode;  // UTF-8 as written; an escaped byte is the code page's character
    bool quoted = false;  // "cancel" is a name, cancel is the keyword
};

struct Command {
    int line = 0;
    std::vector<Word> words;           // the command's own name first
    std::optional<std::string> body;   // the lines of a <<END block, each ended by CR LF

    const std::string& name() const { return words.front().text; }
    size_t size() const { return words.size(); }
    const std::string& at(size_t i) const { return words.at(i).text; }
    const std::string& unicodeAt(size_t i) const { return words.at(i).unicode; }
    // The word is this keyword, written bare.
    bool keyword(size_t i, const char* word) const { return i < words.size() && !words[i].quoted && words[i].text == word; }
};

struct Script {
    std::string file;
    std::vector<Command> commands;
};

// A line that cannot be read; the scenario fails with it.
struct ScriptError {
    int line = 0;
    std::string why;
};

// One line split into words. Throws ScriptError.
std::vector<Word> splitWords(const std::string& line, const std::string& marker, int lineNumber);
// A whole file, each command checked for its shape. Throws ScriptError.
Script parseScript(const std::string& text, const std::string& file, const std::string& marker);
// Whether the command is well formed; the reason when not.
std::optional<std::string> shapeError(const Command& command);

// Numbers as scenarios write them.
std::optional<long long> number(const std::string& word);
// A colour written #RRGGBB.
std::optional<uint32_t> colourValue(const std::string& word);
// A key of `key NAME`: a decimal virtual-key code or one of the names; nothing when neither.
std::optional<int> keyCode(const std::string& name);

}  // namespace zv::sim
