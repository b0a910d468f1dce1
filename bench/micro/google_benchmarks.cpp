// The costs below the forms on Linux, under Google Benchmark: the settings file as the
// hook poll and the options use it, window matching, and scan file loading, each as the
// files grow. bench/areas/costs.sh runs this and puts the figures in the report.

#include <benchmark/benchmark.h>

#include "micro/workloads.h"

namespace {

using namespace zv::bench;

void dispatcherTickIdle(benchmark::State& state) {
    Scratch scratch("tick");
    const std::string file = scratch.file("Zentavoro.ini");
    writeSettingsFile(file, static_cast<int>(state.range(0)));
    for (auto _ : state) idleTick(file);
}
BENCHMARK(dispatcherTickIdle)->Arg(25)->Unit(benchmark::kMicrosecond);

void dispatcherTickWithPress(benchmark::State& state) {
    Scratch scratch("tick-press");
    const std::string file = scratch.file("Zentavoro.ini");
    writeSettingsFile(file, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        reportPress(file);
        state.ResumeTiming();
        tickTakingThePress(file);
    }
}
BENCHMARK(dispatcherTickWithPress)->Arg(25)->Unit(benchmark::kMicrosecond);

void settingsRead(benchmark::State& state) {
    Scratch scratch("read");
    const std::string file = scratch.file("Zentavoro.ini");
    writeSettingsFile(file, static_cast<int>(state.range(0)));
    for (auto _ : state) readLastKey(file);
}
BENCHMARK(settingsRead)->Arg(25)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

void settingsWrite(benchmark::State& state) {
    Scratch scratch("write");
    const std::string file = scratch.file("Zentavoro.ini");
    writeSettingsFile(file, static_cast<int>(state.range(0)));
    bool on = false;
    for (auto _ : state) switchOption(file, on = !on);
}
BENCHMARK(settingsWrite)->Arg(25)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

void windowMatching(benchmark::State& state) {
    Scratch scratch("matching");
    fillScanFolder(scratch.folder(), static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(matchWindow(scratch.folder()));
}
BENCHMARK(windowMatching)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

void windowMatchingListing(benchmark::State& state) {
    Scratch scratch("listing");
    fillScanFolder(scratch.folder(), static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(listScanFiles(scratch.folder()));
}
BENCHMARK(windowMatchingListing)->Arg(10000)->Unit(benchmark::kMicrosecond);

void windowMatchingNames(benchmark::State& state) {
    Scratch scratch("names");
    fillScanFolder(scratch.folder(), static_cast<int>(state.range(0)));
    const std::vector<std::string> names = listScanFiles(scratch.folder());
    for (auto _ : state) benchmark::DoNotOptimize(matchOnly(names));
}
BENCHMARK(windowMatchingNames)->Arg(10000)->Unit(benchmark::kMicrosecond);

void scanFileLoad(benchmark::State& state) {
    const std::string bytes = scanFileBytes(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) benchmark::DoNotOptimize(loadScanFile(bytes));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(scanFileLoad)->Args({10, 0})->Args({1001, 0})->Args({1001, 1})->Unit(benchmark::kMicrosecond);

}  // namespace
