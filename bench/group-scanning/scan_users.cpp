// Simulated switch users choosing points by scanning, linear and by groups. The order of
// scanning, the grouping of the points and the minimum-interval gate are the program's own
// code (ScanEngine, RowGrouping, pressComesTooSoon); only the user is modelled here: someone
// who watches the screen and presses when the wanted row, point or step back is lit, with a
// timing error drawn from a normal distribution, and who may miss a press altogether.
//
//   zentavoro-group-scan-bench [--trials N] [--seed S] [--json FILE]
//
// Prints markdown tables and writes the same figures as JSON. Measures, never asserts.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "scan/row_grouping.h"
#include "scan/scan_engine.h"
#include "scan/synthesis.h"
#include "lib/simulation_options.h"

namespace {

using zv::ScanEngine;
using Kind = ScanEngine::Lit::Kind;
using Places = std::vector<std::pair<int, int>>;

// The program's wait after a synthesised click.
constexpr uint32_t kClickWaitMs = 10;
// From the press to the program acting on it: the hook library's report and the wake-up.
constexpr uint32_t kDeliveryMs = 5;

struct User {
    const char* name;
    // The rhythm user aims at the middle of the wanted item's stay; the late user reacts to
    // its lighting.
    bool reacts;
    double meanMs, sdMs;
    double missRate;
};

struct Pace {
    const char* name;
    uint32_t stepMs, clickIntervalMs;
};

struct Layout {
    std::string name;
    std::function<Places(std::mt19937_64&)> make;
};

struct Result {
    std::string layout, order, user, pace;
    int selections = 0, wrongClicks = 0, dropped = 0, misses = 0;
    long long steps = 0;
    double seconds = 0;
    int wrongGroups = 0, wrongGroupOver = 0;
    long long wrongGroupSteps = 0, wrongGroupBound = 0;
    int wrongGroupMax = 0;
};

class Simulation {
public:
    Simulation(const Places& places, bool groups, const User& user, const Pace& pace, std::mt19937_64& rng, Result& r)
        : user_(user), pace_(pace), rng_(rng), r_(r) {
        zv::ScanTiming timing;
        timing.stepMs = pace.stepMs;
        timing.leadMs = pace.clickIntervalMs;
        engine_.start(static_cast<int>(places.size()), now_, timing,
                      groups ? zv::RowGrouping{}.groups(places) : ScanEngine::Groups{});
        nextClickTick_ = static_cast<int32_t>(now_);
    }

    // One selection of `target`, from the last click to the next.
    void select(int target) {
        target_ = target;
        const uint32_t began = now_;
        const long long stepsBefore = steps_;
        for (int guard = 0; guard < 200; ++guard) {
            const bool inWrongGroup = entered_ && !holds(enteredPoints_, target);
            // What the user waits for: the step back out of a wrong group, the target, or the
            // group holding it.
            auto wanted = [&](const ScanEngine::Lit& lit) {
                if (inWrongGroup) return lit.kind == Kind::Back;
                if (lit.kind == Kind::Point) return lit.point() == target;
                if (lit.kind == Kind::Group) return !entered_ && holds(lit.points, target);
                return false;
            };
            uint32_t onset = 0, stay = 0;
            if (!nextOccurrence(wanted, onset, stay)) break;
            if (std::bernoulli_distribution(user_.missRate)(rng_)) {
                ++r_.misses;
                runSteps(onset + stay);  // it goes by unpressed
                continue;
            }
            std::normal_distribution<double> error(user_.meanMs, user_.sdMs);
            const double at = static_cast<double>(onset) + (user_.reacts ? 0.0 : stay / 2.0) + error(rng_);
            const uint32_t pressAt = at <= static_cast<double>(now_) ? now_ + 1 : static_cast<uint32_t>(at);
            const uint32_t actAt = pressAt + kDeliveryMs;
            runSteps(actAt);
            if (zv::pressComesTooSoon(nextClickTick_, static_cast<int32_t>(pace_.clickIntervalMs), now_)) {
                ++r_.dropped;
                continue;
            }
            const auto result = engine_.press(pressAt, now_);
            nextClickTick_ = static_cast<int32_t>(now_ + pace_.clickIntervalMs);
            if (result.action == ScanEngine::Action::ClickPoint || result.action == ScanEngine::Action::ClickAtPointer) {
                now_ += kClickWaitMs;
                nextClickTick_ = static_cast<int32_t>(now_ + pace_.clickIntervalMs);
                if (result.point != target) ++r_.wrongClicks;
                leaveGroup(steps_);
                break;
            }
            if (result.action == ScanEngine::Action::Entered) {
                entered_ = true;
                enteredPoints_ = engine_.lit().points;
                enteredAt_ = steps_;
            } else if (result.action == ScanEngine::Action::Returned) {
                leaveGroup(steps_);
            }
        }
        ++r_.selections;
        r_.steps += steps_ - stepsBefore;
        r_.seconds += static_cast<uint32_t>(now_ - began) / 1000.0;
    }

private:
    static bool holds(const std::vector<int>& points, int p) {
        return std::find(points.begin(), points.end(), p) != points.end();
    }

    // When the wanted item next lights, and for how long, found by running a copy of the
    // engine itself, so that nothing here knows the order or the timing. The user acts on
    // what lights up: an item lit already (just pressed, or the point just clicked) is
    // waited for again.
    bool nextOccurrence(const std::function<bool(const ScanEngine::Lit&)>& wanted, uint32_t& onset, uint32_t& stay) {
        ScanEngine probe = engine_;
        for (int i = 0; i < 500; ++i) {
            const uint32_t at = std::max(probe.nextStepAt(), now_);
            probe.step(at);
            if (wanted(probe.lit())) {
                onset = at;
                stay = probe.nextStepAt() - at;
                return true;
            }
        }
        return false;
    }

    // Every step due up to `until`, as the scan timer makes them; the clock ends there.
    void runSteps(uint32_t until) {
        while (static_cast<int32_t>(engine_.nextStepAt() - until) <= 0) {
            const uint32_t at = std::max(engine_.nextStepAt(), now_);
            engine_.step(at);
            now_ = at;
            ++steps_;
            // Two rounds of the entered group went by: this step lit something outside it,
            // and is the groups' own.
            const auto& lit = engine_.lit();
            if (entered_ && (lit.kind == Kind::Group || (lit.kind == Kind::Point && !holds(enteredPoints_, lit.point()))))
                leaveGroup(steps_ - 1);
        }
        if (static_cast<int32_t>(until - now_) > 0) now_ = until;
    }

    // Out of the entered group, `stepsAtExit` steps into the run: what a group entered by
    // mistake cost.
    void leaveGroup(long long stepsAtExit) {
        if (!entered_) return;
        entered_ = false;
        if (holds(enteredPoints_, target_)) return;
        const int cost = static_cast<int>(stepsAtExit - enteredAt_);
        const int bound = static_cast<int>(enteredPoints_.size()) + 1;
        ++r_.wrongGroups;
        r_.wrongGroupSteps += cost;
        r_.wrongGroupBound += bound;
        r_.wrongGroupMax = std::max(r_.wrongGroupMax, cost);
        if (cost > bound) ++r_.wrongGroupOver;
    }

    const User& user_;
    const Pace& pace_;
    std::mt19937_64& rng_;
    Result& r_;
    ScanEngine engine_;
    uint32_t now_ = 1000000;
    int32_t nextClickTick_ = 0;
    long long steps_ = 0;
    int target_ = -1;
    bool entered_ = false;
    std::vector<int> enteredPoints_;
    long long enteredAt_ = 0;
};

Places grid(int columns, int rows) {
    Places out;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) out.push_back({100 + 800 * c / (columns - 1), 80 + 600 * r / (rows - 1)});
    return out;
}

Places scattered(std::mt19937_64& rng, int count) {
    std::uniform_int_distribution<int> x(20, 1003), y(20, 747);
    Places out;
    for (int i = 0; i < count; ++i) out.push_back({x(rng), y(rng)});
    return out;
}

// Selections of targets drawn at random, from one click to the next; scattered layouts are
// drawn again every hundred selections.
Result run(const Layout& layout, bool groups, const User& user, const Pace& pace, int trials, uint64_t seed) {
    std::mt19937_64 rng(seed);
    Result r{layout.name, groups ? "groups" : "linear", user.name, pace.name};
    for (int done = 0; done < trials;) {
        const Places places = layout.make(rng);
        Simulation sim(places, groups, user, pace, rng, r);
        std::uniform_int_distribution<int> pick(0, static_cast<int>(places.size()) - 1);
        for (int i = 0; i < 100 && done < trials; ++i, ++done) sim.select(pick(rng));
    }
    return r;
}

}  // namespace

int main(int argc, char** argv) {
    const auto [trials, seed, json] = zv::bench::readSimulationOptions(argc, argv, {2000, 20, "group-scanning.json"});

    const Layout layouts[] = {
        {"6 x 6 grid", [](std::mt19937_64&) { return grid(6, 6); }},
        {"8 x 8 grid", [](std::mt19937_64&) { return grid(8, 8); }},
        {"20 scattered", [](std::mt19937_64& rng) { return scattered(rng, 20); }},
    };
    const User users[] = {{"rhythm (0 +- 60 ms)", false, 0, 60, 0},
                          {"late (+150 +- 60 ms)", true, 150, 60, 0},
                          {"misses 5 % (rhythm)", false, 0, 60, 0.05}};
    const Pace paces[] = {{"12 / 10 (defaults)", 1200, 1000}, {"5 / 3", 500, 300}, {"3 / 2", 300, 200}};

    std::vector<Result> results;
    for (const Pace& p : paces)
        for (const Layout& l : layouts)
            for (bool groups : {false, true})
                for (const User& u : users) results.push_back(run(l, groups, u, p, trials, seed));

    std::printf("Scanning with simulated users: %d selections of a point drawn at random, from one click to the "
                "next, in each row. Pace: the step and the minimum interval in tenths of a second.\n\n",
                trials);
    std::printf("| pace | points | order | user | steps per selection | seconds per selection | wrong clicks "
                "| wrong groups entered | cost of a wrong group: mean / max steps (size + 1 on average) "
                "| costing more than size + 1 | presses dropped by the interval | presses missed |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|---|---|\n");
    for (const Result& r : results) {
        const double n = r.selections;
        std::printf("| %s | %s | %s | %s | %.2f | %.1f | %.2f %% | ", r.pace.c_str(), r.layout.c_str(), r.order.c_str(),
                    r.user.c_str(), r.steps / n, r.seconds / n, 100.0 * r.wrongClicks / n);
        if (r.order == "linear") {
            std::printf("- | - | - | %d | %d |\n", r.dropped, r.misses);
        } else if (r.wrongGroups == 0) {
            std::printf("0 | - | - | %d | %d |\n", r.dropped, r.misses);
        } else {
            std::printf("%d | %.1f / %d (%.1f) | %d | %d | %d |\n", r.wrongGroups,
                        static_cast<double>(r.wrongGroupSteps) / r.wrongGroups, r.wrongGroupMax,
                        static_cast<double>(r.wrongGroupBound) / r.wrongGroups, r.wrongGroupOver, r.dropped, r.misses);
        }
    }

    std::ofstream out(json);
    out << "{\n  \"area\": \"group scanning\",\n  \"trials\": " << trials << ",\n  \"seed\": " << seed
        << ",\n  \"results\": [\n";
    for (size_t i = 0; i < results.size(); ++i) {
        const Result& r = results[i];
        const double n = r.selections;
        out << "    {\"pace\": \"" << r.pace << "\", \"points\": \"" << r.layout << "\", \"order\": \"" << r.order
            << "\", \"user\": \"" << r.user << "\", \"steps\": " << r.steps / n << ", \"seconds\": " << r.seconds / n
            << ", \"wrong_clicks\": " << r.wrongClicks / n << ", \"wrong_groups\": " << r.wrongGroups
            << ", \"wrong_group_steps\": " << (r.wrongGroups ? static_cast<double>(r.wrongGroupSteps) / r.wrongGroups : 0)
            << ", \"wrong_group_max\": " << r.wrongGroupMax << ", \"wrong_group_over\": " << r.wrongGroupOver
            << ", \"dropped\": " << r.dropped << ", \"missed\": " << r.misses << "}"
            << (i + 1 < results.size() ? "," : "") << "\n";
    }
    out << "  ]\n}\n";
    return 0;
}
