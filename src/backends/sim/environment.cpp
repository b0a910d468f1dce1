// A fresh folder and the environment variables a simulated world needs, on any system.
#include "backends/sim/environment.h"

#include <cstdlib>
#include <random>

namespace zv::sim {

std::filesystem::path makeFreshFolder(const std::string& prefix) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto candidate = std::filesystem::temp_directory_path() / (prefix + std::to_string(random() % 1000000000));
        std::error_code ec;
        if (std::filesystem::create_directory(candidate, ec)) return candidate;
    }
    return {};
}

void setEnvironment(const char* name, const std::string& value) {
#ifdef _WIN32
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

}  // namespace zv::sim
