// Points that follow their window: reading the window lines of a full scan file, and
// finding a point's window among a growing number of top-level windows at each step (on
// the simulated desktop: the program's own cost, not the window system's round trips).

#include <benchmark/benchmark.h>

#include "backends/sim/platform.h"
#include "points/anchor_lines.h"
#include "points/window_lookup.h"

namespace {

void readWindowLines(benchmark::State& state) {
    const int points = static_cast<int>(state.range(0)), windows = static_cast<int>(state.range(1));
    zv::WindowAnchors anchors;
    for (int i = 0; i < points; ++i)
        anchors.set(i, zv::RecordedWindow{"Documento " + std::to_string(i % windows) + " - Editor", "EditorWindow",
                                          {10 * (i % windows), 20, 800, 600}},
                    10 * (i % windows) + 1 + i % 700, 21 + i % 500);
    std::vector<std::string> lines = {"Projecte Brisal 2001 - Zentavoro v: 1",
                                      "N\xFA" "mero de puntos = " + std::to_string(points)};
    for (int i = 0; i < points; ++i) lines.push_back("1,1");
    const auto extra = zv::anchorLines(anchors, points);
    lines.insert(lines.end(), extra.begin(), extra.end());
    for (auto _ : state) benchmark::DoNotOptimize(zv::readAnchorLines(lines, points));
    state.counters["lines"] = static_cast<double>(extra.size());
}
BENCHMARK(readWindowLines)->Args({10, 1})->Args({1001, 1})->Args({1001, 50})->Unit(benchmark::kMicrosecond);

void findWindowAmongMany(benchmark::State& state) {
    zv::sim::SimPlatform platform;
    const int windows = static_cast<int>(state.range(0));
    // The point's window is the bottom one, under windows of its own class with longer
    // titles: every window is looked at.
    platform.desktop().addForeign("target", "Notes", "NotesWindow", {100, 100, 400, 300});
    for (int i = 1; i < windows; ++i)
        platform.desktop().addForeign("w" + std::to_string(i), "Other notes " + std::to_string(i), "NotesWindow",
                                      {i, i, 300, 200});
    const zv::RecordedWindow recorded{"Notes", "NotesWindow", {0, 0, 400, 300}};
    for (auto _ : state)
        benchmark::DoNotOptimize(zv::findWindow(platform, recorded, [](zv::WindowId) { return false; }));
}
BENCHMARK(findWindowAmongMany)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
