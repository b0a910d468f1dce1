#pragma once
// Whole files written so that a failure or a kill never costs the old one: the new bytes
// go to a temporary file in the same folder, which is flushed to the disk and then renamed
// over the old file in one step. Until the rename the old file is untouched; after it,
// the new one is complete. Both desktops and the simulated one write scan files with it,
// and the program its recovery file.

#include <cstddef>
#include <optional>
#include <string>

#include "platform/write_result.h"

namespace zv {

#ifdef _WIN32
using NativeName = std::wstring;
#else
using NativeName = std::string;   // the name's own bytes
#endif

enum class FileAccess {
    Usual,       // a new file as the system makes them; a replaced one keeps its permissions
    OwnerOnly,   // readable and writable by its owner alone
};

// Creates or replaces the file. A file without write permission (for anyone, root
// included, as on Windows) is refused, as is a folder by that name; a link is followed,
// so that the link stays and the file it leads to is replaced.
WriteResult replaceWholeFile(const NativeName& name, const std::string& bytes, FileAccess access);

// The whole file; nothing when it cannot be read, is no plain file or holds more than
// maxBytes bytes (which are then not read).
std::optional<std::string> readWholeFile(const NativeName& name, size_t maxBytes);

// True when the file is gone afterwards, whether or not it was there.
bool removeFile(const NativeName& name);

}  // namespace zv
