// Everything the program does on the user's behalf: a click at the pointer, Tab, Return
// and Alt+Tab, and the minimum interval that filters presses coming too close together.

#include "scan/synthesis.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <limits>

#include "app/form_principal.h"
#include "platform/platform.h"
#include "widgets/application.h"

namespace zv {

int32_t absoluteCoordinate(int32_t pixel, int32_t screenExtent) {
    if (screenExtent <= 0) return 0;
    const long double scale = 65535.0L / static_cast<long double>(screenExtent);
    const long double product = std::nearbyint(scale * static_cast<long double>(pixel));
    // A pointer far off the primary screen (a second monitor, a wild point) must not
    // overflow the conversion: the event saturates as the system clamps it anyway.
    constexpr long double lowest = std::numeric_limits<int32_t>::min(), highest = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::clamp(product, lowest, highest));
}

bool pressComesTooSoon(int32_t& nextClickTick, int32_t clickInterval, uint32_t now) {
    // The spin box's hundred tenths at most, as the settings file may give it.
    constexpr uint32_t kLongestInterval = 10000;
    const uint32_t ahead = static_cast<uint32_t>(nextClickTick) - now;
    if (ahead == 0 || ahead > std::max(kLongestInterval, static_cast<uint32_t>(std::max(0, clickInterval)))) return false;
    nextClickTick = static_cast<int32_t>(now + static_cast<uint32_t>(clickInterval));
    return true;
}

void FormPrincipal::SendClick() {
    const ScreenPoint at = platform().cursorPos();
    const int32_t ax = absoluteCoordinate(at.x, platform().primaryScreenSize().width);
    const int32_t ay = absoluteCoordinate(at.y, platform().primaryScreenSize().height);
    using namespace mouseflags;
    if (MenuIntercambiarBotonesMouse.checked()) {
        platform().mouseEvent(Absolute | RightDown, ax, ay);
        platform().mouseEvent(Absolute | RightUp, ax, ay);
    } else {
        platform().mouseEvent(Absolute | LeftDown, ax, ay);
        platform().mouseEvent(Absolute | LeftUp, ax, ay);
    }
}

void FormPrincipal::sendStroke(uint8_t key) {
    platform().keyEvent(key, false);
    platform().keyEvent(key, true);
}

void FormPrincipal::sendAltTab() {
    platform().keyEvent(vk::Alt, false);
    platform().keyEvent(vk::Tab, false);
    platform().keyEvent(vk::Tab, true);
    platform().keyEvent(vk::Alt, true);
    PumpDelay(100);
}

bool FormPrincipal::programWindowInFront() const { return app().formOf(platform().foregroundWindow()) != nullptr; }

bool FormPrincipal::pressTooSoon() {
    return EsperarIntervaloDetiempoEntre2Clics.checked() &&
           pressComesTooSoon(NextClickTick, ClickInterval, platform().tickCount());
}

void FormPrincipal::switchClick() {
    if (pressTooSoon()) return;
    clickAtPointer();
}

void FormPrincipal::clickAtPointer() {
    // Not clicked: a point whose window is not the one in front, and a spot that no longer
    // looks as it did when the point was recorded.
    const bool atPointer = !MenuEnviarTabsYReturn.checked();
    if (atPointer && (placedOffFront || !spotStillThere())) {
        if (!placedOffFront) warnRefusedClick();
        NextClickTick = static_cast<int32_t>(platform().tickCount() + static_cast<uint32_t>(ClickInterval));
        return;
    }
    TimerMouseHook.setOn(false);
    platform().hooks().UnHookHook();
    if (MenuEnviarTabsYReturn.checked())
        sendStroke(vk::Return);
    else
        SendClick();
    PumpDelay(10);
    platform().hooks().SetHookExecucio();
    TimerMouseHook.setOn(true);
    NextClickTick = static_cast<int32_t>(platform().tickCount() + static_cast<uint32_t>(ClickInterval));
}

}  // namespace zv
