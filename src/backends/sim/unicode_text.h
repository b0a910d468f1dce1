#pragma once
// Texts of the simulated world that may hold any character (the names the accessibility
// layer gives, what the voice says). Scenario texts are code page 1252, so there a
// character the code page does not have is written \u{HEX} (in quotes, "\\u{HEX}").

#include <string>

namespace zv::sim {

// A scenario's text as UTF-8: its bytes as the code page's characters, \u{HEX} as that
// character.
std::string utf8FromScenario(const std::string& cp1252);
// The other way: UTF-8 as a scenario writes it.
std::string scenarioFromUtf8(const std::string& utf8);

}  // namespace zv::sim
