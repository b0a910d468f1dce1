#pragma once
#include <string>

#include "widgets/form.h"

namespace zv {

class Platform;

// The first top-level window, in the system's enumeration order, whose title contains
// the text (case by case); 0 when none does or the text is empty.
WindowId FindWindowByTitle(Platform& platform, const std::string& text);

}  // namespace zv
