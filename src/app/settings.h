#pragma once
// The program's reads and writes of the settings file: one key at a time, straight to the
// file, through a 50-byte buffer as everywhere in the program.

#include <string>

namespace zv::settings {

std::string read(const char* section, const char* key, const char* defaultValue);
// A failed write is not reported: the program goes on as if it had worked.
void write(const char* section, const char* key, const std::string& value);
// A switch is on only when the stored text is exactly the on text.
bool isOn(const char* section, const char* key, const char* onText);
void writeSwitch(const char* section, const char* key, bool on);

}  // namespace zv::settings
