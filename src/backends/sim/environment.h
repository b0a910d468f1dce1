#pragma once
// The process's surroundings a simulated world needs, on any system: a folder of its own
// and the environment variable that points the settings file into it.

#include <filesystem>
#include <string>

namespace zv::sim {

// A new, empty folder under the system's temporary folder; empty path on failure.
std::filesystem::path makeFreshFolder(const std::string& prefix);
void setEnvironment(const char* name, const std::string& value);

}  // namespace zv::sim
