#pragma once
// The settings file's access to the file system, one implementation for each system
// (profile_file_posix.cpp, profile_file_win32.cpp), beneath the portable reading and
// writing of profile.cpp.
//
// The program and the hook library write this file at the same time, each from its own
// process. A write therefore takes an exclusive lock on a side file (the settings file
// itself is replaced by every write, so it cannot carry the lock), reads the file afresh,
// and puts the new text in place by renaming a complete temporary file over it: a reader
// sees the old file or the new one, never a part. A writer killed before its rename
// leaves its temporary file behind; since temporary files only exist while their writer
// holds the lock, whoever holds it next may remove every one it finds.

#include <cstdint>
#include <string>
#include <utility>

#include "platform/profile.h"

namespace zv::profile_file {

enum class ReadOutcome { read, missing, failed, tooLarge };

// Portable, in profile.cpp.
inline constexpr const char* kTemporaryInfix = ".tmp.";
std::string temporaryName(const std::string& file);
// Whether a name in the settings file's folder is one of temporaryName's for that file.
bool isTemporaryOf(const std::string& name, const std::string& base);
// Splits a path into its folder ("" for the current one) and its name.
std::pair<std::string, std::string> folderAndName(const std::string& file);

// Each system's.
unsigned long processId();
bool isSeparator(char c);
ReadOutcome readFile(const std::string& path, std::string& bytes);
bool isDirectory(const std::string& path);
bool makeDirectory(const std::string& path);
// Why the last call to the system failed.
ProfileWriteError lastWriteError();
// Whether the file may not be written (NoError when it may, or is not there).
ProfileWriteError readOnly(const std::string& path);
void removeTemporaryFiles(const std::string& file);
// Writes a complete temporary file and renames it over the file.
ProfileWriteError replaceFile(const std::string& path, const std::string& bytes);

// Held while a write reads, changes and replaces the file: this process's other threads
// (some file systems lock per process rather than per open file) and every other process
// are kept out, by an exclusive lock on lockPath.
class WriteLock {
public:
    explicit WriteLock(const std::string& lockPath);
    ~WriteLock();
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;
    bool held() const { return locked_; }
    // Why the lock could not be taken.
    ProfileWriteError error() const { return error_; }

private:
    std::intptr_t lockFile_ = -1;   // the lock file's descriptor or handle
    bool locked_ = false;
    ProfileWriteError error_ = ProfileWriteError::Other;
};

}  // namespace zv::profile_file
