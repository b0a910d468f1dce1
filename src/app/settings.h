#pragma once
// The program's reads and writes of the settings file: one key at a time, straight to the
// file, through a 50-byte buffer as everywhere in the program.
//
// When the file cannot be written (read-only, a full disk, no folder, too large) the program
// goes on with its settings in memory: a value the file refused is kept here and read back
// instead of the file's, until a write of that key succeeds or something else changes the
// key in the file, whose value is then the newer one. The first write that loses a value
// is told, once a run.

#include <functional>
#include <string>

#include "platform/profile.h"

namespace zv::settings {

std::string read(const char* section, const char* key, const char* defaultValue);
// absentReadsAs: the value that an absent key stands for ("0" for the mailbox keys), so
// that failing to write it where the file holds no such key loses nothing.
void write(const char* section, const char* key, const std::string& value, const char* absentReadsAs = nullptr);
// A switch is on only when the stored text is exactly the on text.
bool isOn(const char* section, const char* key, const char* onText);
void writeSwitch(const char* section, const char* key, bool on);

// Told the first time in a run that a value could not be written: the file and why.
using UnwritableListener = std::function<void(const std::string& file, ProfileWriteError why)>;
// A new run of the program: nothing kept in memory, and who to tell.
void beginRun(UnwritableListener tell);

}  // namespace zv::settings
