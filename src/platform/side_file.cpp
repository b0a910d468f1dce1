#include "platform/side_file.h"

#include "platform/profile.h"
#include "platform/profile_file.h"
#include "platform/text.h"
#include "platform/whole_file.h"

namespace zv {

namespace {

using profile_file::isSeparator;

// The settings file's path is code page 1252 on Windows and the name's own bytes elsewhere.
NativeName native(const std::string& path) {
#ifdef _WIN32
    const std::u16string utf16 = cp1252ToUtf16(path);
    return std::wstring(utf16.begin(), utf16.end());
#else
    return path;
#endif
}

void makeFolders(const std::string& file) {
    for (size_t i = 1; i < file.size(); ++i) {
        if (!isSeparator(file[i]) || isSeparator(file[i - 1])) continue;
        profile_file::makeDirectory(file.substr(0, i));
    }
}

}  // namespace

SideFile::SideFile(const std::string& extension) {
    const std::string settings = settingsFilePath();
    size_t nameStart = settings.size();
    while (nameStart > 0 && !isSeparator(settings[nameStart - 1])) --nameStart;
    const size_t point = settings.rfind('.');
    const size_t stemEnd = point != std::string::npos && point > nameStart ? point : settings.size();
    path_ = settings.substr(0, stemEnd) + extension;
}

std::optional<std::string> SideFile::read(size_t maxBytes) const { return readWholeFile(native(path_), maxBytes); }

WriteResult SideFile::write(const std::string& bytes) const {
    WriteResult result = replaceWholeFile(native(path_), bytes, FileAccess::OwnerOnly);
    if (result.failure != WriteFailure::NoFolder) return result;
    makeFolders(path_);
    return replaceWholeFile(native(path_), bytes, FileAccess::OwnerOnly);
}

bool SideFile::remove() const { return removeFile(native(path_)); }

}  // namespace zv
