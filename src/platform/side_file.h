#pragma once
// A file of the program's own beside the settings file, named after it ("Zentavoro.ini"
// gives "Zentavoro" and the extension), private to the user and replaced whole, so that a
// crash leaves either the old file or the new one.

#include <cstddef>
#include <optional>
#include <string>

#include "platform/write_result.h"

namespace zv {

class SideFile {
public:
    // Beside the file settingsFilePath() names, in its spelling.
    explicit SideFile(const std::string& extension);

    const std::string& path() const { return path_; }
    // Nothing when it is missing, unreadable or larger than maxBytes.
    std::optional<std::string> read(size_t maxBytes) const;
    // Makes the folder (private to the user) when it is missing.
    WriteResult write(const std::string& bytes) const;
    bool remove() const;

private:
    std::string path_;
};

}  // namespace zv
