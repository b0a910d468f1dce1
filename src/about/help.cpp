#include "app/form_principal.h"
#include "platform/platform.h"

namespace zv {

// The help where the desktop installed it; else the help file of the current directory.
// Whether it opened is not reported.
void FormPrincipal::MenuAyudaClick() { platform().shellOpen(platform().installedHelp().value_or("zentavoro.txt")); }

}  // namespace zv
