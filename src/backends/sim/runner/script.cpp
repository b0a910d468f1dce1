// A scenario file read into commands.
#include "backends/sim/runner/script.h"

#include <sstream>

#include "platform/text.h"

namespace zv::sim {

namespace {

bool blank(char c) { return c == ' ' || c == '\t'; }

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Builds one word: literal text is UTF-8 and is converted by runs, escapes and the
// marker are already code page 1252. The UTF-8 form keeps the literal text as it is.
class WordBuilder {
public:
    explicit WordBuilder(const std::string& marker) : marker_(marker) {}
    void literal(char c) { run_ += c; }
    void raw(char c) {
        flush();
        out_ += c;
        unicode_ += cp1252ToUtf8(std::string(1, c));
    }
    void marker() {
        flush();
        out_ += marker_;
        unicode_ += cp1252ToUtf8(marker_);
    }
    void finish(Word& word) {
        flush();
        word.text = std::move(out_);
        word.unicode = std::move(unicode_);
    }

private:
    void flush() {
        out_ += utf8ToCp1252(run_);
        unicode_ += run_;
        run_.clear();
    }
    const std::string& marker_;
    std::string run_, out_, unicode_;
};

constexpr const char kMarkerName[] = "$MARKER";
constexpr size_t kMarkerLength = sizeof kMarkerName - 1;

}  // namespace

std::vector<Word> splitWords(const std::string& line, const std::string& marker, int lineNumber) {
    auto fail = [lineNumber](const std::string& why) { throw ScriptError{lineNumber, why}; };
    std::vector<Word> words;
    size_t i = 0;
    while (true) {
        while (i < line.size() && blank(line[i])) ++i;
        if (i >= line.size()) break;
        WordBuilder word(marker);
        Word w;
        if (line[i] == '"') {
            w.quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const char c = line[i];
                if (c == '"') {
                    closed = true;
                    ++i;
                    break;
                }
                if (line.compare(i, kMarkerLength, kMarkerName) == 0) {
                    word.marker();
                    i += kMarkerLength;
                    continue;
                }
                if (c != '\\') {
                    word.literal(c);
                    ++i;
                    continue;
                }
                if (i + 1 >= line.size()) fail("a backslash ends the line");
                const char e = line[i + 1];
                i += 2;
                switch (e) {
                    case 'r': word.raw('\r'); break;
                    case 'n': word.raw('\n'); break;
                    case 't': word.raw('\t'); break;
                    case '"': word.raw('"'); break;
                    case '\\': word.raw('\\'); break;
                    case 'x': {
                        const int hi = i < line.size() ? hexDigit(line[i]) : -1;
                        const int lo = i + 1 < line.size() ? hexDigit(line[i + 1]) : -1;
                        if (hi < 0 || lo < 0) fail("\\x needs two hexadecimal digits");
                        word.raw(static_cast<char>(hi * 16 + lo));
                        i += 2;
                        break;
                    }
                    default: fail(std::string("unknown escape \\") + e);
                }
            }
            if (!closed) fail("a quoted word is not closed");
            if (i < line.size() && !blank(line[i])) fail("a closing quote must end the word");
        } else {
            while (i < line.size() && !blank(line[i])) {
                if (line[i] == '"') fail("a quote inside a word");
                if (line.compare(i, kMarkerLength, kMarkerName) == 0) {
                    word.marker();
                    i += kMarkerLength;
                } else {
                    word.literal(line[i++]);
                }
            }
        }
        word.finish(w);
        words.push_back(std::move(w));
    }
    return words;
}

Script parseScript(const std::string& text, const std::string& file, const std::string& marker) {
    Script script;
    script.file = file;
    std::vector<std::string> lines;
    {
        std::istringstream in(text);
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
        }
    }
    for (size_t n = 0; n < lines.size(); ++n) {
        const int lineNumber = static_cast<int>(n) + 1;
        const std::string& line = lines[n];
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        Command command;
        command.line = lineNumber;
        command.words = splitWords(line, marker, lineNumber);
        const Word& last = command.words.back();
        if (!last.quoted && last.text.rfind("<<", 0) == 0) {
            const std::string end = last.text.substr(2);
            if (end.empty()) throw ScriptError{lineNumber, "<< needs the word that ends the block"};
            command.words.pop_back();
            std::string body;
            size_t m = n + 1;
            for (; m < lines.size() && lines[m] != end; ++m) body += utf8ToCp1252(lines[m]) + "\r\n";
            if (m >= lines.size()) throw ScriptError{lineNumber, "no line " + end + " ends the block"};
            command.body = std::move(body);
            n = m;
        }
        if (auto why = shapeError(command)) throw ScriptError{lineNumber, *why};
        script.commands.push_back(std::move(command));
    }
    return script;
}

}  // namespace zv::sim
