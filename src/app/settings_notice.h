#pragma once
// What the user is told when the settings file cannot be written (Spanish in every
// interface language, as every message of the program).

#include <string>

#include "platform/profile.h"

namespace zv {

std::string settingsUnwritableMessage(const std::string& file, ProfileWriteError why);

}  // namespace zv
