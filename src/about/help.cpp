#include "app/form_principal.h"
#include "platform/platform.h"

namespace zv {

// The help file is looked up in the current directory; whether it opened is not reported.
void FormPrincipal::MenuAyudaClick() { platform().shellOpen("zentavoro.txt"); }

}  // namespace zv
