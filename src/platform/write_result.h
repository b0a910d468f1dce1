#pragma once
// What became of writing a whole file: done, or why not, in the few kinds a user can act
// on (free some space, choose another folder or name), with the system's own words for
// the rest.

#include <string>

namespace zv {

enum class WriteFailure { None, DiskFull, NoPermission, NoFolder, RefusedName, Other };

struct WriteResult {
    WriteFailure failure = WriteFailure::None;
    // The system's description of an Other failure, code page 1252; empty otherwise.
    std::string detail;

    explicit operator bool() const { return failure == WriteFailure::None; }
};

}  // namespace zv
