// Simulated switch users choosing points with the sweep of point scanning. The sweep and
// the minimum-interval gate are the program's own code (PointSweep, pressComesTooSoon);
// only the user is modelled here: someone who watches the line and presses when it reaches
// the target, with a timing error drawn from a normal distribution.
//
//   zentavoro-point-scan-bench [--trials N] [--seed S] [--json FILE]
//
// Prints a markdown table and writes the same figures as JSON. Measures, never asserts.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "scan/point_sweep.h"
#include "scan/synthesis.h"
#include "lib/simulation_options.h"

namespace {

using zv::PointSweep;
using zv::SweepTuning;

// The program's defaults: the pace spin box at 12 tenths, the minimum interval at 10.
constexpr uint32_t kStepMs = 1200;
constexpr int32_t kClickInterval = 1000;
// What the program spends between the last press and the click: two 10 ms waits of the
// pointer placement and the 10 ms wait of the click.
constexpr uint32_t kClickWaitsMs = 30;
constexpr int kTarget = 20;

struct User {
    const char* name;
    double meanMs, sdMs;
};

struct Config {
    std::string name;
    SweepTuning tuning;
};

struct Screen {
    int width, height;
};

struct Result {
    std::string config, user;
    Screen screen;
    int trials = 0, inside = 0, insideX = 0, insideY = 0;
    double meanSeconds = 0, p90Seconds = 0;
    int pauses = 0, dropped = 0;
};

// When the line, from tick `from` on, first stands on `pixel`; the moment is found by
// running a copy of the sweep itself, so nothing here knows its speed. When the pixel lies
// outside the stretch being swept, the user aims at the end of the stretch nearest to it.
uint32_t arrival(const PointSweep& sweep, uint32_t from, int pixel) {
    const int first = sweep.sweepStart(), last = sweep.sweepStart() + sweep.sweepLength() - 1;
    const int aim = pixel < first ? first : pixel > last ? last : pixel;
    PointSweep probe = sweep;
    probe.advanceTo(from);
    const uint64_t limit = 2 * probe.sweepDuration() + 2;
    bool wrapped = probe.position() > aim;  // already past it in this sweep: wait for the next
    int previous = probe.position();
    for (uint64_t t = 1; t <= limit; ++t) {
        probe.advanceTo(from + static_cast<uint32_t>(t));
        if (probe.paused()) return from + static_cast<uint32_t>(t);
        const int at = probe.position();
        if (at < previous) wrapped = false;
        previous = at;
        if (!wrapped && at >= aim) return from + static_cast<uint32_t>(t);
    }
    return from + static_cast<uint32_t>(limit);
}

// The moment the line reaches the middle of a 20-pixel target: between its pixels 9 and 10.
uint32_t aimAt(const PointSweep& sweep, uint32_t from, int targetStart) {
    const uint32_t a = arrival(sweep, from, targetStart + kTarget / 2 - 1);
    const uint32_t b = arrival(sweep, from, targetStart + kTarget / 2);
    // Pixel 9 already passed in this sweep while pixel 10 is still to come: aim at 10.
    if (static_cast<int32_t>(b - a) < 0) return b;
    return a + static_cast<uint32_t>(b - a) / 2;
}

Result run(const Config& config, const User& user, Screen screen, int trials, uint64_t seed) {
    std::mt19937_64 rng(seed);
    std::uniform_int_distribution<int> tx(0, screen.width - kTarget), ty(0, screen.height - kTarget);
    std::normal_distribution<double> error(user.meanMs, user.sdMs);
    Result r{config.name, user.name, screen};
    std::vector<double> seconds;
    uint32_t now = 1000000;
    int32_t nextClickTick = static_cast<int32_t>(now);
    PointSweep sweep(screen.width, screen.height, kStepMs, config.tuning);
    sweep.start(now);
    for (int i = 0; i < trials; ++i) {
        // From one click to the next, as a user working through an application sees it.
        const int targetX = tx(rng), targetY = ty(rng);
        const uint32_t began = now;
        for (int guard = 0; guard < 64; ++guard) {
            const int target = sweep.axis() == PointSweep::Axis::X ? targetX : targetY;
            PointSweep probe = sweep;
            probe.advanceTo(now);
            uint32_t press;
            if (probe.paused()) {
                press = now + 500;  // the user notices the line waiting and presses to wake it
            } else {
                const double e = error(rng);
                const double at = static_cast<double>(aimAt(sweep, now, target)) + e;
                press = at <= static_cast<double>(now) ? now + 1 : static_cast<uint32_t>(at);
            }
            now = press;
            if (zv::pressComesTooSoon(nextClickTick, kClickInterval, now)) {
                ++r.dropped;
                continue;
            }
            sweep.advanceTo(now);
            if (sweep.paused()) ++r.pauses;
            const PointSweep::Press outcome = sweep.press(now, kClickInterval);
            nextClickTick = static_cast<int32_t>(now + static_cast<uint32_t>(kClickInterval));
            if (outcome != PointSweep::Press::Chosen) continue;
            now += kClickWaitsMs;
            nextClickTick = static_cast<int32_t>(now + static_cast<uint32_t>(kClickInterval));
            sweep.start(now + kClickInterval);
            const bool inX = sweep.chosenX() >= targetX && sweep.chosenX() < targetX + kTarget;
            const bool inY = sweep.chosenY() >= targetY && sweep.chosenY() < targetY + kTarget;
            r.insideX += inX;
            r.insideY += inY;
            r.inside += inX && inY;
            break;
        }
        seconds.push_back(static_cast<uint32_t>(now - began) / 1000.0);
        ++r.trials;
    }
    double sum = 0;
    for (double s : seconds) sum += s;
    r.meanSeconds = sum / static_cast<double>(seconds.size());
    std::sort(seconds.begin(), seconds.end());
    r.p90Seconds = seconds[seconds.size() * 9 / 10];
    return r;
}

}  // namespace

int main(int argc, char** argv) {
    const auto [trials, seed, json] = zv::bench::readSimulationOptions(argc, argv, {2000, 12, "point-scanning.json"});

    const SweepTuning program{};
    std::vector<Config> configs;
    {
        SweepTuning coarseOnly = program;
        coarseOnly.refineSlowdown = 0;
        configs.push_back({"coarse only", coarseOnly});
    }
    for (int slowdown : {2, 3, 4, 5}) {
        SweepTuning t = program;
        t.refineSlowdown = slowdown;
        std::string name = "band 1/10, 1/" + std::to_string(slowdown) + " speed";
        if (slowdown == program.refineSlowdown && t.bandDivisor == program.bandDivisor) name += " (program)";
        configs.push_back({name, t});
    }
    {
        SweepTuning t = program;
        t.bandDivisor = 20;
        configs.push_back({"band 1/20, 1/" + std::to_string(t.refineSlowdown) + " speed", t});
    }
    const User users[] = {{"rhythm (0 +- 60 ms)", 0, 60}, {"late (+150 +- 60 ms)", 150, 60}};
    const Screen screens[] = {{1024, 768}, {1920, 1080}};

    std::vector<Result> results;
    for (const Config& c : configs)
        for (const User& u : users)
            for (const Screen& s : screens) results.push_back(run(c, u, s, trials, seed));

    std::printf("Point scanning with simulated users: %d selections of a random %dx%d px target each, pace 12 "
                "(1.2 s a step, a coarse sweep 12 s), minimum interval 1 s.\n\n",
                trials, kTarget, kTarget);
    std::printf("| sweep | user | screen | inside target | inside in x / in y | mean time to select | 90th percentile "
                "| presses dropped by the interval | pauses |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|\n");
    for (const Result& r : results)
        std::printf("| %s | %s | %dx%d | %.1f %% | %.1f %% / %.1f %% | %.1f s | %.1f s | %d | %d |\n", r.config.c_str(),
                    r.user.c_str(), r.screen.width, r.screen.height, 100.0 * r.inside / r.trials,
                    100.0 * r.insideX / r.trials, 100.0 * r.insideY / r.trials, r.meanSeconds, r.p90Seconds, r.dropped,
                    r.pauses);

    std::ofstream out(json);
    out << "{\n  \"area\": \"point scanning\",\n  \"trials\": " << trials << ",\n  \"seed\": " << seed
        << ",\n  \"step_ms\": " << kStepMs << ",\n  \"click_interval_ms\": " << kClickInterval
        << ",\n  \"target_px\": " << kTarget << ",\n  \"results\": [\n";
    for (size_t i = 0; i < results.size(); ++i) {
        const Result& r = results[i];
        out << "    {\"sweep\": \"" << r.config << "\", \"user\": \"" << r.user << "\", \"screen\": \"" << r.screen.width
            << "x" << r.screen.height << "\", \"inside\": " << static_cast<double>(r.inside) / r.trials
            << ", \"inside_x\": " << static_cast<double>(r.insideX) / r.trials
            << ", \"inside_y\": " << static_cast<double>(r.insideY) / r.trials << ", \"mean_s\": " << r.meanSeconds
            << ", \"p90_s\": " << r.p90Seconds << ", \"dropped\": " << r.dropped << ", \"pauses\": " << r.pauses << "}"
            << (i + 1 < results.size() ? "," : "") << "\n";
    }
    out << "  ]\n}\n";
    return 0;
}
