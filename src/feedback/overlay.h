#pragma once
// Windows that show something over the application and take nothing from it: no border,
// always on top, never the focus, and the mouse goes through them. The sweep lines of
// point scanning and the point editor's markers are made so.

#include "widgets/form.h"

namespace zv {

// Makes the form such a window, named by its own name like the program's other helper
// windows, so that tests can find it.
inline void makeOverlay(Form& form) {
    form.border = BorderStyle::None;
    form.topmost = true;
    form.takesFocus = false;
    form.takesInput = false;
    form.minimizeBox = form.maximizeBox = false;
    form.setCaption(form.name());
}

}  // namespace zv
