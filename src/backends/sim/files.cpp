// Files of the simulated desktop: reading, writing, read-only files, listing a folder, the current directory.
#include "backends/sim/files.h"

#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/text.h"
#include "platform/whole_file.h"

namespace zv::sim {

namespace fs = std::filesystem;

// Names are UTF-8 on both sides, taken as such, so that no system code page changes a byte.
fs::path SimFiles::nativePath(const std::string& name) { return fs::path(std::u8string(name.begin(), name.end())); }

namespace {
std::string fromNative(const fs::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}
}  // namespace

fs::path SimFiles::key(const std::string& name) {
    std::error_code ec;
    fs::path p = fs::absolute(nativePath(name), ec);
    return p.lexically_normal();
}

void SimFiles::setReadOnly(const std::string& name) {
    readOnly_.insert(key(name));
    // The settings file service reads the attribute from the file itself, as on Windows.
    std::error_code ec;
    fs::permissions(nativePath(name), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove, ec);
}

bool SimFiles::readOnly(const std::string& name) const { return readOnly_.count(key(name)) > 0; }

std::optional<std::string> SimFiles::read(const std::string& name, size_t maxBytes) const {
    std::error_code ec;
    const fs::path p = nativePath(name);
    if (!fs::is_regular_file(p, ec)) return std::nullopt;
    if (const auto size = fs::file_size(p, ec); ec || size > maxBytes) return std::nullopt;
    std::ifstream in(p, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

namespace {
bool writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}
}  // namespace

WriteResult SimFiles::write(const std::string& name, const std::string& bytes) {
    if (readOnly(name)) return {WriteFailure::NoPermission, {}};
    if (diskFull_) return {WriteFailure::DiskFull, {}};
#ifdef _WIN32
    return replaceWholeFile(nativePath(name).wstring(), bytes, FileAccess::Usual);
#else
    return replaceWholeFile(nativePath(name).string(), bytes, FileAccess::Usual);
#endif
}

bool SimFiles::writeAnyway(const std::string& name, const std::string& bytes) {
    const fs::path path = nativePath(name);
    std::error_code ec;
    if (path.has_parent_path()) fs::create_directories(path.parent_path(), ec);
    return writeBytes(path, bytes);
}

std::vector<std::string> SimFiles::listFiles(const std::string& folder) const {
    std::vector<std::string> names;
    std::error_code ec;
    // Nothing on this desktop is hidden or a system file: every plain file counts.
    for (const auto& entry : fs::directory_iterator(nativePath(folder.empty() ? "." : folder), ec))
        if (entry.is_regular_file(ec)) names.push_back(fromNative(entry.path().filename()));
    return names;
}

std::string SimFiles::currentDirectory() const {
    std::error_code ec;
    return fromNative(fs::current_path(ec));
}

bool SimFiles::setCurrentDirectory(const std::string& dir) {
    std::error_code ec;
    fs::current_path(nativePath(dir), ec);
    return !ec;
}

}  // namespace zv::sim
