// The title of the recorded window in full: the mailbox carries it in code page 1252 only,
// so each recorded point also reads the title of the window under it.

#include "app/form_principal.h"
#include "platform/platform.h"
#include "points/window_lookup.h"

namespace zv {

void FormPrincipal::noteRecordedTitle(int x, int y) {
    constexpr int kTitleChars = 254;
    const auto window = topLevelAt(platform(), x, y, [this](WindowId w) { return ownWindow(w); });
    recordedTitle = window ? platform().windowTitle(window->first, kTitleChars) : std::string();
}

}  // namespace zv
