#pragma once
// Files of the simulated world are real files in the scenario's folder. Names crossing
// the port are UTF-8, as they are on disk. Read-only is kept by the simulation itself,
// since the tests run as root, for whom no file is read-only; the file loses its write
// permissions as well, which the settings file service reads as read-only.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/write_result.h"

namespace zv::sim {

class SimFiles {
public:
    static std::filesystem::path nativePath(const std::string& name);

    void setReadOnly(const std::string& name);
    bool readOnly(const std::string& name) const;

    // Nothing for a file of more than maxBytes bytes, which is not read.
    std::optional<std::string> read(const std::string& name, size_t maxBytes = SIZE_MAX) const;
    // The program's writes, each replacing its file whole: refused for read-only files,
    // and for every file while the disk is full.
    WriteResult write(const std::string& name, const std::string& bytes);
    void setDiskFull(bool full) { diskFull_ = full; }
    // The world's own writes (the scenario setting up files), whatever their attributes;
    // missing folders are made on the way.
    static bool writeAnyway(const std::string& name, const std::string& bytes);

    std::vector<std::string> listFiles(const std::string& folder) const;
    std::string currentDirectory() const;
    bool setCurrentDirectory(const std::string& dir);

private:
    static std::filesystem::path key(const std::string& name);
    std::set<std::filesystem::path> readOnly_;
    bool diskFull_ = false;
};

}  // namespace zv::sim
