// Window matching: the scan file whose name stands in the title of the window in front.

#include "points/window_matching.h"

#include <algorithm>

#include "app/form_principal.h"
#include "platform/numbers.h"
#include "platform/platform.h"
#include "platform/text.h"

namespace zv {

namespace {
constexpr int kTitleChars = 254;

bool lessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(foldCase1252(x)) < static_cast<unsigned char>(foldCase1252(y));
    });
}
}  // namespace

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
    const std::string title = upperAscii(platform().windowText(front, kTitleChars));
    if (title == LastWindowTitle) return std::nullopt;
    LastWindowTitle = title;
    if (!platform().setCurrentDirectory(startupDirectory))
        throw ProgramError("Cannot change to the folder " + startupDirectory);
    std::vector<std::string> candidates = platform().listScanFiles(startupDirectory);
    std::stable_sort(candidates.begin(), candidates.end(), lessIgnoringCase);
    for (const std::string& name : candidates) {
        if (name.size() < 4) continue;
        const std::string key = upperAscii(name.substr(0, name.size() - 4));
        if (!key.empty() && title.find(key) != std::string::npos) return name;
    }
    return std::nullopt;
}

}  // namespace zv
