#pragma once
// The settings file: Windows private-profile semantics on every platform, shared by the
// program and the hook library. No caching: every read goes to the file, every write is
// in the file when it returns. Each read-modify-write holds an exclusive lock on the file
// and replaces it atomically, so that the program and the hook library, writing at the
// same time, never lose an update and a crash never leaves half a file.

#include <cstddef>
#include <string>

namespace zv {

// A settings file larger than this is not read (every key reads as missing) nor written:
// no real settings file comes near it, and one that does would stall every poll.
inline constexpr size_t kLargestSettingsFile = size_t{16} << 20;

struct ProfileRead {
    int ret = 0;           // characters copied, as GetPrivateProfileString returns it
    std::string value;     // the bytes copied
};

// GetPrivateProfileStringA for one key: section and key are matched without regard to
// case, also for accented code page 1252 letters; a present empty value is not the
// default; at most bufsize - 1 characters are copied.
ProfileRead profileGet(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& defaultValue, unsigned bufsize);

// Why a write did not reach the file.
enum class ProfileWriteError {
    NoError,
    ReadOnlyFile,      // the file has no write permission (a carer may lock it so)
    ReadOnlyDisk,      // the file system is mounted read-only
    NoPermission,      // the folder (or the file) may not be written by this user
    DiskFull,          // no space left, or the user's quota is spent
    NoFolder,          // the folder does not exist and cannot be made
    TooLarge,          // the file is larger than any settings file
    Unreadable,        // the file exists but cannot be read
    Other,
};

// WritePrivateProfileStringA for one key: creates or replaces it, creating the section
// and the file as needed. A read-only file (no write permission bits, or none for this
// user) is never changed, as on Windows. On Linux a settings file and the folders made for
// it are private to the user (0600, 0700); a file that exists keeps its permissions.
ProfileWriteError profileWrite(const std::string& file, const std::string& section, const std::string& key,
                               const std::string& value);
// The same, false when the file could not be written.
inline bool profileSet(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& value) {
    return profileWrite(file, section, key, value) == ProfileWriteError::NoError;
}

// Where the settings file lives: ZENTAVORO_INI when set; otherwise
// %APPDATA%\Zentavoro\Zentavoro.ini on Windows and
// $XDG_CONFIG_HOME/zentavoro/Zentavoro.ini (default ~/.config/zentavoro) elsewhere.
std::string settingsFilePath();

}  // namespace zv
