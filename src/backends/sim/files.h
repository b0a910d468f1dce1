#pragma once
// Files of the simulated world are real files in the scenario's folder. Names crossing
// the port are code page 1252 and are stored as UTF-8 on disk. Read-only is kept by the
// simulation itself, since the tests run as root, for whom no file is read-only; the file
// loses its write permissions as well, which the settings file service reads as read-only.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace zv::sim {

class SimFiles {
public:
    static std::filesystem::path nativePath(const std::string& name);

    void setReadOnly(const std::string& name);
    bool readOnly(const std::string& name) const;

    // Nothing for a file of more than maxBytes bytes, which is not read.
    std::optional<std::string> read(const std::string& name, size_t maxBytes = SIZE_MAX) const;
    // The program's writes: refused for read-only files.
    bool write(const std::string& name, const std::string& bytes);
    // The world's own writes (the scenario setting up files), whatever their attributes;
    // missing folders are made on the way.
    static bool writeAnyway(const std::string& name, const std::string& bytes);

    std::vector<std::string> listFiles(const std::string& folder) const;
    std::string currentDirectory() const;
    bool setCurrentDirectory(const std::string& dir);

private:
    static std::filesystem::path key(const std::string& name);
    std::set<std::filesystem::path> readOnly_;
};

}  // namespace zv::sim
