// The moment a switch press was made: what the scan engine judges it by. The one place that
// knows where it comes from.

#include "app/form_principal.h"
#include "platform/platform.h"

namespace zv {

uint32_t FormPrincipal::timeOfPress() {
    // A library that cannot tell when the press was made: the poll reading it is the moment.
    return platform().hooks().timeOfLastReport().value_or(platform().tickCount());
}

}  // namespace zv
