#include "app/settings.h"

#include <algorithm>
#include <vector>

#include "app/settings_keys.h"
#include "platform/text.h"

namespace zv::settings {

namespace {

constexpr unsigned kBufferSize = 50;
// What a key that the file lacks reads as here: no value can hold a line break.
const std::string kMissing = "\n";

// A value the file refused, and what the file held for the key at that moment.
struct Unsaved {
    std::string file, section, key;
    std::string fileHeld;
    std::string value;
};

struct RunMemory {
    std::vector<Unsaved> unsaved;
    UnwritableListener tell;
    bool told = false;
};

RunMemory& memory() {
    static RunMemory m;
    return m;
}

std::vector<Unsaved>::iterator find(const std::string& file, const char* section, const char* key) {
    auto& unsaved = memory().unsaved;
    return std::find_if(unsaved.begin(), unsaved.end(), [&](const Unsaved& u) {
        return u.file == file && equalsIgnoreCase1252(u.section, section) && equalsIgnoreCase1252(u.key, key);
    });
}

std::string held(const std::string& file, const char* section, const char* key) {
    return profileGet(file, section, key, kMissing, kLargestSettingsFile).value;
}

}  // namespace

void beginRun(UnwritableListener tell) { memory() = RunMemory{{}, std::move(tell), false}; }

std::string read(const char* section, const char* key, const char* defaultValue) {
    const std::string file = settingsFilePath();
    if (auto it = find(file, section, key); it != memory().unsaved.end()) {
        if (held(file, section, key) == it->fileHeld) return it->value.substr(0, kBufferSize - 1);
        memory().unsaved.erase(it);
    }
    return profileGet(file, section, key, defaultValue, kBufferSize).value;
}

void write(const char* section, const char* key, const std::string& value, const char* absentReadsAs) {
    const std::string file = settingsFilePath();
    const ProfileWriteError error = profileWrite(file, section, key, value);
    auto it = find(file, section, key);
    const std::string inFile = error == ProfileWriteError::NoError ? value : held(file, section, key);
    const bool lost = inFile != value && !(inFile == kMissing && absentReadsAs && value == absentReadsAs);
    if (!lost) {
        if (it != memory().unsaved.end()) memory().unsaved.erase(it);
        return;
    }
    if (it != memory().unsaved.end()) {
        it->fileHeld = inFile;
        it->value = value;
    } else {
        memory().unsaved.push_back({file, section, key, inFile, value});
    }
    if (!memory().told) {
        memory().told = true;
        if (memory().tell) memory().tell(file, error);
    }
}

bool isOn(const char* section, const char* key, const char* onText) { return read(section, key, keys::kOff) == onText; }

void writeSwitch(const char* section, const char* key, bool on) { write(section, key, on ? keys::kOn : keys::kOff); }

}  // namespace zv::settings
