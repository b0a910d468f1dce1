// The cost of the settings file as it grows: every poll of the hook mailbox reads it
// twice and writes it once, ten times a second, while the hook library writes it too.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "platform/profile.h"

namespace {

std::string freshFile(int extraKeys) {
    const auto dir = std::filesystem::temp_directory_path() / "zentavoro-bench";
    std::filesystem::create_directories(dir);
    const std::string file = (dir / ("settings-" + std::to_string(extraKeys) + ".ini")).string();
    std::filesystem::remove(file);
    for (int i = 0; i < extraKeys; ++i)
        zv::profileSet(file, "Other" + std::to_string(i % 7), "key" + std::to_string(i), "value " + std::to_string(i));
    zv::profileSet(file, "LlibreriaZentavoro", "CLIC", "0");
    zv::profileSet(file, "LlibreriaZentavoro", "KEYBOARD", "0");
    return file;
}

void mailboxPoll(benchmark::State& state) {
    const std::string file = freshFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(zv::profileGet(file, "LlibreriaZentavoro", "KEYBOARD", "0", 50));
        benchmark::DoNotOptimize(zv::profileGet(file, "LlibreriaZentavoro", "CLIC", "0", 50));
        zv::profileSet(file, "LlibreriaZentavoro", "CLIC", state.iterations() % 2 ? "0" : "1");
    }
    state.counters["keys"] = static_cast<double>(state.range(0) + 2);
}
BENCHMARK(mailboxPoll)->Arg(0)->Arg(30)->Arg(300)->Arg(3000)->Unit(benchmark::kMicrosecond);

void optionRead(benchmark::State& state) {
    const std::string file = freshFile(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(zv::profileGet(file, "Zentavoro", "BEEP", "NO", 50));
}
BENCHMARK(optionRead)->Arg(0)->Arg(300)->Arg(3000)->Unit(benchmark::kMicrosecond);

}  // namespace
