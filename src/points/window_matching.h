#pragma once
#include <optional>
#include <string>
#include <vector>

#include "widgets/form.h"

namespace zv {

class Platform;

// The first top-level window, in the system's enumeration order, whose title contains
// the text (case by case); 0 when none does or the text is empty.
WindowId FindWindowByTitle(Platform& platform, const std::string& text);

// Whether a file of the start-up folder is a candidate: its name matches "*.zvo" as a
// file mask does, the extension in any case.
bool isScanFileName(const std::string& name);

// The scan file of the candidates (names with their 4-character extension) that belongs
// to a window of this title (already in capitals a to z): the first, taken in the order
// of their names without regard to case, whose name without the extension stands in it,
// or in it as a file name holds it. Names and title are UTF-8.
std::optional<std::string> firstMatchingScanFile(const std::vector<std::string>& candidates, const std::string& title);

}  // namespace zv
