#pragma once
// How the runner writes values in its messages and reads the lists of its expectations.

#include <string>
#include <vector>

namespace zv::sim {

// A text in double quotes, control bytes written as escapes (still code page 1252).
std::string shown(const std::string& text);
// "a; b;c" -> {"a", "b", "c"}: items trimmed, empty ones dropped.
std::vector<std::string> splitList(const std::string& text, char separator);
// Blank-separated words.
std::vector<std::string> splitBlanks(const std::string& text);
std::string joined(const std::vector<std::string>& items, const std::string& separator);

}  // namespace zv::sim
