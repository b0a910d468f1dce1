// The key names of the scenario language as virtual-key codes.
#include <map>

#include "backends/sim/runner/script.h"
#include "platform/virtual_keys.h"

namespace zv::sim {

std::optional<int> keyCode(const std::string& name) {
    static const std::map<std::string, int> named = {
        {"Tab", vk::Tab},     {"Return", vk::Return}, {"Space", vk::Space},   {"Alt", vk::Alt},
        {"Right", vk::Right}, {"Add", vk::NumpadAdd}, {"Escape", vk::Escape},
    };
    if (auto it = named.find(name); it != named.end()) return it->second;
    // A single digit or capital is the key of that character; longer numbers are codes.
    if (name.size() == 1 && ((name[0] >= '0' && name[0] <= '9') || (name[0] >= 'A' && name[0] <= 'Z')))
        return name[0];
    if (name.size() == 7 && name.rfind("Numpad", 0) == 0 && name[6] >= '0' && name[6] <= '9')
        return vk::Numpad0 + (name[6] - '0');
    auto code = number(name);
    if (code && *code >= 1 && *code <= 254) return static_cast<int>(*code);
    return std::nullopt;
}

}  // namespace zv::sim
