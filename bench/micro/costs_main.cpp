// zentavoro-costs: the same costs as the Google Benchmark binary, timed by a plain loop,
// for the Windows build (run under Wine) where Google Benchmark is not at hand. Prints one
// line per figure: NAME ARG MEDIAN_US P90_US RUNS, tab-separated.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "micro/workloads.h"

namespace {

using namespace zv::bench;
using Clock = std::chrono::steady_clock;

// Runs the work (after one warm-up) until a second has passed or 2000 runs were made;
// `prepare` runs untimed before each.
void measure(const char* name, int arg, const std::function<void()>& work,
             const std::function<void()>& prepare = [] {}) {
    prepare();
    work();
    std::vector<double> us;
    const auto end = Clock::now() + std::chrono::seconds(1);
    while (us.size() < 2000 && (us.size() < 5 || Clock::now() < end)) {
        prepare();
        const auto t0 = Clock::now();
        work();
        us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
    }
    std::sort(us.begin(), us.end());
    std::printf("%s\t%d\t%.2f\t%.2f\t%zu\n", name, arg, us[us.size() / 2], us[us.size() * 9 / 10], us.size());
    std::fflush(stdout);
}

}  // namespace

int main() {
    {
        Scratch s("tick");
        const std::string file = s.file("Zentavoro.ini");
        writeSettingsFile(file, 25);
        measure("dispatcherTickIdle", 25, [&] { idleTick(file); });
        measure("dispatcherTickWithPress", 25, [&] { tickTakingThePress(file); }, [&] { reportPress(file); });
    }
    for (int keys : {25, 1000, 10000}) {
        Scratch s("settings");
        const std::string file = s.file("Zentavoro.ini");
        writeSettingsFile(file, keys);
        measure("settingsRead", keys, [&] { readLastKey(file); });
        bool on = false;
        measure("settingsWrite", keys, [&] { switchOption(file, on = !on); });
    }
    for (int count : {10, 1000, 10000}) {
        Scratch s("matching");
        fillScanFolder(s.folder(), count);
        measure("windowMatching", count, [&] { (void)matchWindow(s.folder()); });
        if (count == 10000) measure("windowMatchingListing", count, [&] { (void)listScanFiles(s.folder()); });
    }
    for (int points : {10, 1001}) {
        const std::string bytes = scanFileBytes(points, 0);
        measure("scanFileLoad", points, [&] { (void)loadScanFile(bytes); });
    }
    return 0;
}
