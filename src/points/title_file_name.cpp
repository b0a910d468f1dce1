#include "points/title_file_name.h"

#include "platform/text.h"

namespace zv {

namespace {

bool unfitForNames(char32_t c) {
    switch (c) {
        case U'\\': case U'/': case U':': case U'*': case U'?': case U'"': case U'<': case U'>': case U'|': return true;
        default: return c < 0x20 || c == 0x7F;
    }
}

std::u32string replaced(std::u32string text) {
    for (char32_t& c : text)
        if (unfitForNames(c)) c = U'_';
    return text;
}

}  // namespace

std::string fileNameFromTitle(const std::string& title) {
    std::u32string name = replaced(utf8ToCodePoints(title));
    if (name.size() > kLongestProposedName) name.resize(kLongestProposedName);
    while (!name.empty() && (name.back() == U'.' || name.back() == U' ')) name.pop_back();
    return codePointsToUtf8(name);
}

std::string titleOfRecording(const std::string& recordedTitle, const std::string& mailboxTitle, size_t mailboxChars) {
    const std::string narrow = utf8ToCp1252(recordedTitle);
    const bool beyondCodePage = cp1252ToUtf8(narrow) != recordedTitle;
    if (beyondCodePage && narrow.substr(0, mailboxChars) == mailboxTitle) return recordedTitle;
    return cp1252ToUtf8(mailboxTitle);
}

std::string titleAsNamesHoldIt(const std::string& title) {
    // A title without such characters is passed on byte for byte, malformed bytes too.
    const std::u32string text = utf8ToCodePoints(title);
    for (char32_t c : text)
        if (unfitForNames(c)) return codePointsToUtf8(replaced(text));
    return title;
}

}  // namespace zv
