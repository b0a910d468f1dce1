// Names at recording: each recorded point is named after the element under it, as the
// accessibility layer calls it, else after its window's title and its number. The layer is
// asked off the user-interface thread, so that an application that never answers does not
// hold the recording up; the answers are taken as the recording goes and once more, for a
// short while at most, when it stops.

#include "app/form_principal.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "points/window_lookup.h"

namespace zv {

namespace {
// Long enough for a busy application to answer a look-up or two, short enough that one
// that never answers does not hold the carer up: its points keep the names made of its
// title.
constexpr uint32_t kLongestNameWait = 500;
}  // namespace

void FormPrincipal::askNameOfPoint(int index, int x, int y) {
    // A point recorded with the option off has no name: it must not inherit the name of
    // a point that stood at its index before.
    names.unset(index);
    if (!menuSayEachPointsName.checked()) return;
    takeNamesOfPoints(0);
    const auto window = windowWithIdAt(platform(), x, y, [this](WindowId w) { return ownWindow(w); });
    // Named after its window until the accessibility layer says better.
    names.set(index, fallbackName(window ? cp1252ToUtf8(window->window.title) : std::string(), index + 1));
    if (!window) return;
    if (const auto request = platform().requestAccessibleName(window->id, x, y)) nameRequests.add(*request, index);
}

void FormPrincipal::nameEditedPoint(int index, int x, int y) {
    if (!menuSayEachPointsName.checked()) return;
    askNameOfPoint(index, x, y);
    // The answer is awaited here, for a short while at most: one arriving later could name
    // another point once the carer has moved this one.
    takeNamesOfPoints(kLongestNameWait);
    nameRequests.clear();
}

void FormPrincipal::awaitNamesOfPoints() {
    if (nameRequests.pending()) takeNamesOfPoints(kLongestNameWait);
}

void FormPrincipal::forgetNameRequests() { nameRequests.clear(); }

void FormPrincipal::takeNamesOfPoints(uint32_t waitMs) {
    const uint32_t start = platform().tickCount();
    for (;;) {
        for (const AccessibleNameAnswer& answer : platform().accessibleNames()) {
            const auto index = nameRequests.answered(answer.request);
            if (!index) continue;
            const std::string name = tidyName(answer.name);
            if (!name.empty()) names.set(*index, name);
        }
        if (!nameRequests.pending() || static_cast<uint32_t>(platform().tickCount() - start) >= waitMs) break;
        PumpDelay(10);
    }
}

}  // namespace zv
