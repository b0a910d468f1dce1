#include "app/settings.h"

#include "app/settings_keys.h"
#include "platform/profile.h"

namespace zv::settings {

namespace {
constexpr unsigned kBufferSize = 50;
}

std::string read(const char* section, const char* key, const char* defaultValue) {
    return profileGet(settingsFilePath(), section, key, defaultValue, kBufferSize).value;
}

void write(const char* section, const char* key, const std::string& value) {
    (void)profileSet(settingsFilePath(), section, key, value);
}

bool isOn(const char* section, const char* key, const char* onText) { return read(section, key, keys::kOff) == onText; }

void writeSwitch(const char* section, const char* key, bool on) { write(section, key, on ? keys::kOn : keys::kOff); }

}  // namespace zv::settings
