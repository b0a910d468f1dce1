#pragma once
#include <string>

namespace zv {

// The text the single-instance check looks for: it must stand in the main window's title.
std::string titleMarker();
// The main window's title once it has been created.
std::string fullTitle();
// What the title becomes after the first recording has stopped.
inline constexpr const char* kPlainTitle = "Zentavoro";

}  // namespace zv
