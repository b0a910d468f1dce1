#pragma once
// The options every simulation of users takes: how many selections, the seed of its random
// draws and where its figures go.
//   --trials N --seed S --json FILE

#include <cstdint>
#include <cstdlib>
#include <string>

namespace zv::bench {

struct SimulationOptions {
    int trials;
    uint64_t seed;
    std::string json;
};

inline SimulationOptions readSimulationOptions(int argc, char** argv, SimulationOptions options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--trials") options.trials = std::atoi(argv[i + 1]);
        else if (a == "--seed") options.seed = std::strtoull(argv[i + 1], nullptr, 10);
        else if (a == "--json") options.json = argv[i + 1];
    }
    if (options.trials < 1) options.trials = 1;
    return options;
}

}  // namespace zv::bench
