// Reading scan files of growing size, as the loader does: split, drop comments, read.

#include <benchmark/benchmark.h>

#include "points/scan_file.h"

namespace {

std::string scanFile(int points, int commentsEvery) {
    std::string s = "Projecte Brisal 2001 - Zentavoro v: 1\r\nN\xFA" "mero de puntos = " + std::to_string(points) + "\r\n";
    for (int i = 0; i < points; ++i) {
        if (commentsEvery && i % commentsEvery == 0) s += "// a comment line\r\n";
        s += std::to_string(i + 1) + "," + std::to_string(2 * i + 1) + "\r\n";
    }
    return s;
}

void readScanFile(benchmark::State& state) {
    const std::string bytes = scanFile(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        auto lines = zv::splitLines(bytes);
        zv::dropComments(lines);
        zv::PointSet set;
        benchmark::DoNotOptimize(zv::readScanFile(lines, set));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(readScanFile)->Args({10, 0})->Args({1001, 0})->Args({1001, 1})->Unit(benchmark::kMicrosecond);

}  // namespace
