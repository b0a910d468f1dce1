#include "platform/profile.h"

#include <algorithm>
#include <atomic>

#include "platform/profile_document.h"
#include "platform/profile_file.h"

namespace zv {

namespace profile_file {

std::string temporaryName(const std::string& file) {
    static std::atomic<unsigned> counter{0};
    return file + kTemporaryInfix + std::to_string(processId()) + "." + std::to_string(counter++);
}

// The file's name, the infix, digits, a point, digits.
bool isTemporaryOf(const std::string& name, const std::string& base) {
    const std::string prefix = base + kTemporaryInfix;
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return false;
    const std::string rest = name.substr(prefix.size());
    const size_t point = rest.find('.');
    if (point == 0 || point == std::string::npos || point + 1 == rest.size()) return false;
    return std::all_of(rest.begin(), rest.end(), [&](char c) { return (c >= '0' && c <= '9') || c == '.'; }) &&
           rest.find('.', point + 1) == std::string::npos;
}

std::pair<std::string, std::string> folderAndName(const std::string& file) {
    for (size_t i = file.size(); i-- > 0;)
        if (isSeparator(file[i])) return {file.substr(0, i == 0 ? 1 : i), file.substr(i + 1)};
    return {"", file};
}

}  // namespace profile_file

using namespace profile_file;

namespace {

// Creates the folders above the file that do not exist yet; None when the file's own
// folder is there afterwards, else why the last one that could not be made was not.
ProfileWriteError makeParentFolders(const std::string& file) {
    size_t last = std::string::npos;
    for (size_t i = file.size(); i-- > 0;)
        if (isSeparator(file[i])) {
            last = i;
            break;
        }
    if (last == std::string::npos || last == 0) return ProfileWriteError::NoError;  // current folder or the root
    const std::string parent = file.substr(0, last);
    if (isDirectory(parent)) return ProfileWriteError::NoError;
    ProfileWriteError why = ProfileWriteError::NoFolder;
    for (size_t i = 1; i <= parent.size(); ++i) {
        if (i < parent.size() && !isSeparator(parent[i])) continue;
        const std::string folder = parent.substr(0, i);
        if (!isDirectory(folder) && !makeDirectory(folder)) {
            // A file in the folder's place, or a name the system refuses, is no folder.
            const ProfileWriteError error = lastWriteError();
            why = error == ProfileWriteError::Other ? ProfileWriteError::NoFolder : error;
        }
    }
    return isDirectory(parent) ? ProfileWriteError::NoError : why;
}

}  // namespace

ProfileRead profileGet(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& defaultValue, unsigned bufsize) {
    // No lock: the file is only ever replaced whole, so what is read is one complete
    // version of it. An unreadable file reads like a missing one, as on Windows, and so
    // does one too large to be a settings file.
    std::string bytes;
    if (readFile(file, bytes) != ReadOutcome::read) bytes.clear();
    return ProfileDocument::lookup(bytes, section, key, defaultValue, bufsize);
}

ProfileWriteError profileWrite(const std::string& file, const std::string& section, const std::string& key,
                               const std::string& value) {
    using Error = ProfileWriteError;
    // The poll stores what is there already ten times a second: a complete version of the
    // file that holds the value makes the write done, without waiting for the lock.
    if (const Error locked = readOnly(file); locked != Error::NoError) return locked;
    std::string current;
    if (readFile(file, current) == ReadOutcome::read && ProfileDocument::stores(current, section, key, value))
        return Error::NoError;

    if (const Error error = makeParentFolders(file); error != Error::NoError) return error;
    WriteLock lock(file + ".lock");
    if (!lock.held()) return lock.error();

    // Renaming over a read-only file would succeed: it is refused first, even when the
    // value is already stored, as the Windows functions refuse to open it for writing.
    if (const Error locked = readOnly(file); locked != Error::NoError) return locked;
    std::string bytes;
    const ReadOutcome outcome = readFile(file, bytes);
    // A file that exists but cannot be read must not be replaced by one holding only
    // the new key; one too large is left alone too.
    if (outcome == ReadOutcome::failed) return Error::Unreadable;
    if (outcome == ReadOutcome::tooLarge) return Error::TooLarge;
    ProfileDocument doc = ProfileDocument::parse(bytes);
    if (!doc.set(section, key, value)) return Error::NoError;  // already stored: the file stays as it is
    // Only real changes look through the folder: the poll's writes mostly store what is
    // there already.
    removeTemporaryFiles(file);
    return replaceFile(file, doc.text());
}

}  // namespace zv
