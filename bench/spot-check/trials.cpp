// Perturbed trials of the check before the click. A point is recorded on a button of a
// calculator or a row of a list, with its picture; then its window is moved, resized by
// -30 % to +50 %, covered by another window, scrolled, or left as it was, always with what
// does not matter drawn otherwise (the hover highlight, a caret, antialiasing half a pixel
// away). The point is placed as the program places a point that follows its window, and
// the click is judged by what element stands under it. The matcher, the search and the
// placement by the window's edges are the program's own code.
//
//   zentavoro-spot-bench [--trials N] [--seed S] [--json FILE]
//
// Prints a markdown table and writes the same figures as JSON. Measures, never asserts.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "points/spot_matcher.h"
#include "points/window_anchors.h"
#include "scene.h"

namespace {

using namespace spotbench;
using Clock = std::chrono::steady_clock;

constexpr int kScreenW = 1280, kScreenH = 800;
const char* const kKinds[] = {"moved", "resized", "covered", "scrolled", "unchanged"};
constexpr int kKindCount = 5;

struct Tally {
    int trials = 0;
    int wrongOff = 0;          // check off: clicked, and not on the recorded element
    int wrongOn = 0;           // check on, placed by the edges
    int refusedOn = 0;
    int rightRefusedOn = 0;    // refused although the click would have been right
    int wrongFound = 0;        // check on, placed by the search
    int refusedFound = 0;
    int rightRefusedFound = 0;
    int rightFound = 0;        // clicked on the recorded element
};

struct Timing {
    std::vector<double> compareMs, placeMs;
};

double percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(p * static_cast<double>(v.size() - 1))];
}

double mean(const std::vector<double>& v) {
    double s = 0;
    for (double x : v) s += x;
    return v.empty() ? 0 : s / static_cast<double>(v.size());
}

int uniform(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

Look noise(std::mt19937& rng, int x, int y, bool textField) {
    Look look;
    look.hoverX = x;
    look.hoverY = y;
    // Hover comes and goes with the moment the picture is taken; antialiased edges fall
    // otherwise on a glyph centred on a button that a resize made an odd size.
    if (uniform(rng, 0, 3) == 0) look.hoverX = look.hoverY = -1;
    look.subpixel = uniform(rng, 0, 2) * 0.25;
    // In a text field the caret blinks where the click put it, or is elsewhere.
    if (textField && uniform(rng, 0, 1)) {
        look.caretX = x + uniform(rng, -6, 6);
        look.caretY = y + uniform(rng, -2, 2);
    }
    return look;
}

ScreenPixels spotAt(const Frame& f, int x, int y, int side) { return zv::squareAround(f.pixels, x, y, side); }

// The spot as the program reads it: within the window under the point, the last drawn that
// holds it.
ScreenPixels spotIn(const Frame& f, const std::vector<SceneWindow>& windows, int x, int y, int side) {
    ScreenPixels p = spotAt(f, x, y, side);
    for (auto w = windows.rbegin(); w != windows.rend(); ++w)
        if (x >= w->rect.left && y >= w->rect.top && x < w->rect.left + w->rect.width && y < w->rect.top + w->rect.height) {
            zv::keepWithin(p, x - side / 2, y - side / 2, w->rect);
            break;
        }
    return p;
}

}  // namespace

int main(int argc, char** argv) {
    int trials = 200;
    unsigned seed = 19;
    std::string jsonPath;
    zv::SpotTuning tuning;
    bool summary = false;
    for (int i = 1; i < argc; ++i) {
        const std::string opt = argv[i];
        if (opt == "--summary") {
            summary = true;
            continue;
        }
        if (i + 1 >= argc) break;
        const char* value = argv[++i];
        if (opt == "--trials") trials = std::atoi(value);
        else if (opt == "--seed") seed = static_cast<unsigned>(std::atoi(value));
        else if (opt == "--json") jsonPath = value;
        else if (opt == "--tolerance") tuning.tolerance = std::atoi(value);
        else if (opt == "--most-difference") tuning.mostDifference = std::atof(value);
        else if (opt == "--most-difference-found") tuning.mostDifferenceFound = std::atof(value);
    }
    std::mt19937 rng(seed);
    const zv::SpotMatcher matcher(tuning);
    const std::vector<int> sides = zv::spotSides(100);
    Tally byKind[kKindCount];
    Timing timing;

    for (int t = 0; t < trials; ++t) {
        const int kind = t % kKindCount;
        SceneWindow target;
        target.kind = kind == 3 || uniform(rng, 0, 1) ? Kind::List : Kind::Calculator;
        target.id = 1;
        target.labelSeed = static_cast<uint32_t>(uniform(rng, 1, 1 << 20));
        target.rect = {0, 0, uniform(rng, 320, 480), uniform(rng, 360, 520)};
        target.rect.left = uniform(rng, 0, kScreenW - target.rect.width * 3 / 2);
        target.rect.top = uniform(rng, 0, kScreenH - target.rect.height * 3 / 2);
        if (target.kind == Kind::List) target.scroll = uniform(rng, 5, 15);
        SceneWindow behind{Kind::Other, 3, {uniform(rng, 0, 700), uniform(rng, 0, 300), 500, 400}, 0, 77};

        // The carer clicks an element somewhere on it.
        Frame before = draw(kScreenW, kScreenH, {behind, target}, Look{});
        int element = 0, x = 0, y = 0;
        for (int attempt = 0; attempt < 50; ++attempt) {
            element = target.kind == Kind::Calculator ? 1000 + (uniform(rng, 0, 16) == 16 ? 20 : uniform(rng, 1, 16))
                                                      : 1000 + 1 + target.scroll + uniform(rng, 0, 12);
            if (elementCentre(before, element, x, y)) break;
        }
        // On a button anywhere near its middle; on a row, on its first word, as a person
        // points at an item by its name.
        x += uniform(rng, -4, 4);
        y += uniform(rng, -3, 3);
        if (target.kind == Kind::List) x = target.rect.left + 4 + 12 + uniform(rng, 0, 20);
        if (before.elementAt(x, y) != element) elementCentre(before, element, x, y);
        const bool textField = target.kind == Kind::Calculator && element % 1000 == 20;
        before = draw(kScreenW, kScreenH, {behind, target}, noise(rng, x, y, textField));
        // As the program takes it: larger round a plain spot.
        ScreenPixels recorded;
        for (int s : sides) {
            recorded = spotAt(before, x, y, s);
            zv::keepWithin(recorded, x - s / 2, y - s / 2, target.rect);
            if (matcher.detailed(recorded)) break;
        }
        const int side = recorded.width;
        const zv::PointAnchor anchor = zv::anchorIn(target.rect, x, y);

        // What became of the window.
        SceneWindow now = target;
        std::vector<SceneWindow> windows = {behind, now};
        switch (kind) {
            case 0:
                now.rect.left = std::clamp(now.rect.left + uniform(rng, -300, 300), 0, kScreenW - now.rect.width);
                now.rect.top = std::clamp(now.rect.top + uniform(rng, -200, 200), 0, kScreenH - now.rect.height);
                break;
            case 1:
                now.rect.width = now.rect.width * uniform(rng, 70, 150) / 100;
                now.rect.height = now.rect.height * uniform(rng, 70, 150) / 100;
                break;
            case 3: now.scroll += uniform(rng, 0, 1) ? uniform(rng, 1, 5) : -uniform(rng, 1, 5); break;
            default: break;
        }
        windows = {behind, now};
        const auto [ex, ey] = zv::placeIn(anchor, now.rect);
        if (kind == 2) {
            // Another window comes in front, over the place.
            SceneWindow cover{Kind::Other, 2, {ex - uniform(rng, 30, 200), ey - uniform(rng, 30, 150), 360, 260}, 0,
                              static_cast<uint32_t>(uniform(rng, 1, 999))};
            windows.push_back(cover);
        }
        Frame after = draw(kScreenW, kScreenH, windows, noise(rng, ex, ey, textField));

        Tally& tally = byKind[kind];
        ++tally.trials;
        const bool rightAtEdges = after.elementAt(ex, ey) == element;
        if (!rightAtEdges) ++tally.wrongOff;

        auto start = Clock::now();
        const bool sameAtEdges = matcher.compare(recorded, spotIn(after, windows, ex, ey, side)).same;
        timing.compareMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (sameAtEdges && !rightAtEdges) ++tally.wrongOn;
        if (!sameAtEdges) ++tally.refusedOn;
        if (!sameAtEdges && rightAtEdges) ++tally.rightRefusedOn;

        // Placed as the program places it: the search runs where the spot changed.
        const zv::ScreenReader read = [&](const zv::Rect& r) -> std::optional<ScreenPixels> {
            ScreenPixels out(r.width, r.height);
            for (int j = 0; j < r.height; ++j)
                for (int i = 0; i < r.width; ++i) {
                    const int sx = r.left + i, sy = r.top + j;
                    if (sx >= 0 && sy >= 0 && sx < kScreenW && sy < kScreenH) out.at(i, j) = after.pixels.at(sx, sy);
                }
            return out;
        };
        start = Clock::now();
        const auto [px, py] = zv::relocate(matcher, recorded, now.rect, ex, ey, read);
        timing.placeMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (px != ex || py != ey) after = draw(kScreenW, kScreenH, windows, noise(rng, px, py, textField));
        const bool right = after.elementAt(px, py) == element;
        const zv::SpotVerdict verdict = matcher.compare(recorded, spotIn(after, windows, px, py, side));
        const bool same = verdict.same;
        if (same && !right) ++tally.wrongFound;
        if (same && right) ++tally.rightFound;
        if (!same) ++tally.refusedFound;
        if (!same && right) ++tally.rightRefusedFound;
    }

    Tally all;
    for (const Tally& k : byKind) {
        all.trials += k.trials;
        all.wrongOff += k.wrongOff;
        all.wrongOn += k.wrongOn;
        all.refusedOn += k.refusedOn;
        all.rightRefusedOn += k.rightRefusedOn;
        all.wrongFound += k.wrongFound;
        all.refusedFound += k.refusedFound;
        all.rightRefusedFound += k.rightRefusedFound;
        all.rightFound += k.rightFound;
    }
    const Tally& unchanged = byKind[4];
    const double refusedUnchanged = unchanged.trials ? 100.0 * unchanged.refusedFound / unchanged.trials : 0;
    if (summary) {
        std::printf("| %d | %.2f | %.2f | %d | %d | %d of %d (%.1f %%) | %d |\n", tuning.tolerance, tuning.mostDifference,
                    tuning.mostDifferenceFound,
                    all.wrongOn, all.wrongFound, unchanged.refusedFound, unchanged.trials, refusedUnchanged,
                    all.rightRefusedFound);
        return 0;
    }
    std::printf("| perturbation | trials | wrong clicks, check off | wrong clicks, check on | refused, check on | "
                "wrong clicks, check on and search | refused, check on and search | of which the place was right |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|---:|\n");
    auto row = [](const char* name, const Tally& k) {
        std::printf("| %s | %d | %d | %d | %d | %d | %d | %d |\n", name, k.trials, k.wrongOff, k.wrongOn, k.refusedOn,
                    k.wrongFound, k.refusedFound, k.rightRefusedFound);
    };
    for (int k = 0; k < kKindCount; ++k) row(kKinds[k], byKind[k]);
    row("**all**", all);
    std::printf("\nRefused on an unchanged spot: %d of %d (%.1f %%). The check's comparison: %.3f ms mean, %.3f ms at "
                "the 95th percentile, %.3f ms at most; placing with the search where the spot changed: %.2f ms mean, "
                "%.2f ms at the 95th percentile, %.2f ms at most.\n",
                unchanged.refusedFound, unchanged.trials, refusedUnchanged, mean(timing.compareMs),
                percentile(timing.compareMs, 0.95), percentile(timing.compareMs, 1.0), mean(timing.placeMs),
                percentile(timing.placeMs, 0.95), percentile(timing.placeMs, 1.0));
    if (!jsonPath.empty()) {
        std::ofstream json(jsonPath);
        json << "{\"trials\": " << all.trials << ", \"wrong_check_off\": " << all.wrongOff
             << ", \"wrong_check_on\": " << all.wrongOn << ", \"wrong_check_on_search\": " << all.wrongFound
             << ", \"refused_unchanged\": " << unchanged.refusedFound << ", \"unchanged_trials\": " << unchanged.trials
             << ", \"compare_ms_mean\": " << mean(timing.compareMs)
             << ", \"compare_ms_p95\": " << percentile(timing.compareMs, 0.95)
             << ", \"place_ms_mean\": " << mean(timing.placeMs) << ", \"place_ms_p95\": " << percentile(timing.placeMs, 0.95)
             << "}\n";
    }
    return 0;
}
