// Window matching: the scan file whose name stands in the title of the window in front.

#include "points/window_matching.h"

#include <algorithm>
#include <cstdint>

#include "app/form_principal.h"
#include "platform/numbers.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "points/title_file_name.h"

namespace zv {

namespace {
constexpr int kTitleChars = 254;

// Names sort without regard to case: the characters of code page 1252 by their folded
// byte, as the list always did, and every other character after them by its code point.
uint32_t sortKey(char32_t c) {
    if (const auto byte = cp1252Byte(c)) return static_cast<unsigned char>(foldCase1252(*byte));
    return 0x100 + static_cast<uint32_t>(c);
}

bool lessIgnoringCase(const std::string& a, const std::string& b) {
    const std::u32string x = utf8ToCodePoints(a), y = utf8ToCodePoints(b);
    return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(),
                                        [](char32_t p, char32_t q) { return sortKey(p) < sortKey(q); });
}
}  // namespace

bool isScanFileName(const std::string& name) {
    // The "*.zvo" mask as the system matches a file name against it: the extension in any case.
    return name.size() >= 4 && upperAscii(name.substr(name.size() - 4)) == ".ZVO";
}

std::optional<std::string> firstMatchingScanFile(const std::vector<std::string>& candidates, const std::string& title) {
    // The first of the sorted list that fits is the least of those that fit, the earliest
    // listed among equals: no need to sort a folder of thousands of files.
    const std::string* best = nullptr;
    std::string key;
    // A file saved under the title stands there with the characters names cannot hold
    // replaced; every name that stands in the title as it is still fits too.
    const std::string asNamed = titleAsNamesHoldIt(title);
    for (const std::string& name : candidates) {
        if (name.size() <= 4) continue;
        key.assign(name, 0, name.size() - 4);
        for (char& c : key)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (title.find(key) == std::string::npos && asNamed.find(key) == std::string::npos) continue;
        if (!best || lessIgnoringCase(name, *best)) best = &name;
    }
    if (!best) return std::nullopt;
    return *best;
}

WindowId FindWindowByTitle(Platform& platform, const std::string& text) {
    if (text.empty()) return 0;
    for (WindowId w : platform.topLevelWindows()) {
        const std::string title = platform.windowText(w, kTitleChars);
        if (!title.empty() && title.find(text) != std::string::npos) return w;
    }
    return 0;
}

std::optional<std::string> FormPrincipal::MatchScanFile() {
    if (!MenuEnEjecucinBuscarFicheroDeBarrido.checked()) return std::nullopt;
    const WindowId front = platform().foregroundWindow();
    if (front == windowId()) return std::nullopt;
    // In Unicode: titles that code page 1252 cannot hold are told apart as well.
    const std::string title = upperAscii(platform().windowTitle(front, kTitleChars));
    if (title == LastWindowTitle) return std::nullopt;
    LastWindowTitle = title;
    if (!platform().setCurrentDirectory(startupDirectory))
        throw ProgramError("Cannot change to the folder " + utf8ToCp1252(startupDirectory));
    std::vector<std::string> candidates = platform().listFiles(startupDirectory);
    std::erase_if(candidates, [](const std::string& name) { return !isScanFileName(name); });
    return firstMatchingScanFile(candidates, title);
}

}  // namespace zv
