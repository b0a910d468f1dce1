#include "points/spot_matcher.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace zv {

namespace {

bool seenPixel(uint32_t p) { return p != ScreenPixels::kUnseen; }

int channel(uint32_t p, int c) { return static_cast<int>((p >> (16 - 8 * c)) & 0xFF); }

int luminance(uint32_t p) { return (77 * channel(p, 0) + 150 * channel(p, 1) + 29 * channel(p, 2)) >> 8; }

// Weights falling off from the centre pixel, a quarter of the side for one deviation.
std::vector<float> centreWeights(int side) {
    std::vector<float> w(static_cast<size_t>(side * side));
    const double sigma = side / 4.0, c = side / 2;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            w[static_cast<size_t>(y * side + x)] =
                static_cast<float>(std::exp(-((x - c) * (x - c) + (y - c) * (y - c)) / (2 * sigma * sigma)));
    return w;
}

const std::vector<float>& weightsFor(int side) {
    // Spots come in very few sides (one per display scale): a handful of tables at most.
    thread_local std::vector<std::pair<int, std::vector<float>>> cache;
    for (const auto& [s, w] : cache)
        if (s == side) return w;
    if (cache.size() > 8) cache.clear();
    cache.emplace_back(side, centreWeights(side));
    return cache.back().second;
}

// Luminance and the two colour differences of each pixel.
struct Planes {
    int side = 0;
    std::vector<std::array<int16_t, 3>> value;
    std::vector<uint8_t> seen;
    // How much the pixel stands out from its four neighbours, in luminance.
    std::vector<int16_t> edge;
};

std::array<int16_t, 3> luma(uint32_t p) {
    const int y = luminance(p);
    return {static_cast<int16_t>(y), static_cast<int16_t>(channel(p, 2) - y), static_cast<int16_t>(channel(p, 0) - y)};
}

Planes planes(const ScreenPixels& p) {
    Planes s;
    s.side = p.width;
    const size_t count = p.pixels.size();
    s.value.assign(count, {0, 0, 0});
    s.seen.assign(count, 0);
    s.edge.assign(count, 0);
    for (size_t i = 0; i < count; ++i)
        if (seenPixel(p.pixels[i])) {
            s.value[i] = luma(p.pixels[i]);
            s.seen[i] = 1;
        }
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            const size_t i = static_cast<size_t>(y * p.width + x);
            if (!s.seen[i]) continue;
            int most = 0;
            const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const auto& n : next) {
                if (n[0] < 0 || n[1] < 0 || n[0] >= p.width || n[1] >= p.height) continue;
                const size_t j = static_cast<size_t>(n[1] * p.width + n[0]);
                if (s.seen[j]) most = std::max(most, std::abs(s.value[i][0] - s.value[j][0]));
            }
            s.edge[i] = static_cast<int16_t>(most);
        }
    return s;
}

// How far apart two pixels look: luminance counts whole, colour a quarter, so that a hover
// highlight that tints a border blue is not a change while another glyph is.
int distance(const std::array<int16_t, 3>& a, const std::array<int16_t, 3>& b) {
    return std::max(std::abs(a[0] - b[0]), (std::abs(a[1] - b[1]) + std::abs(a[2] - b[2])) / 4);
}

int medianLuminance(const Planes& p) {
    std::vector<int> values;
    for (size_t i = 0; i < p.value.size(); ++i)
        if (p.seen[i]) values.push_back(p.value[i][0]);
    if (values.empty()) return 0;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2), values.end());
    return values[values.size() / 2];
}

// Whether the pixel is part of an upright line one or two pixels wide in `p`: darker or
// lighter than the pixels beside it on both sides, which are of one colour with the pixel
// beyond them (a caret stands on a plain background; a bar of a glyph whose antialiased
// edges make it look narrow does not).
bool thinAt(const ScreenPixels& p, int x, int y, int tolerance) {
    auto lum = [&](int xx) { return xx >= 0 && xx < p.width && seenPixel(p.at(xx, y)) ? luminance(p.at(xx, y)) : -1; };
    const int v = lum(x);
    if (v < 0) return false;
    // Beyond the picture's edge the background is taken as plain.
    auto plain = [&](int near, int far) { return far < 0 || std::abs(near - far) <= tolerance / 2; };
    for (const auto& [from, to] : {std::pair{x, x}, std::pair{x, x + 1}, std::pair{x - 1, x}}) {
        if (from != to) {
            const int other = lum(from == x ? to : from);
            if (other < 0 || std::abs(v - other) > tolerance / 2) continue;
        }
        const int l = lum(from - 1), r = lum(to + 1);
        if (l < 0 || r < 0 || !plain(l, lum(from - 2)) || !plain(r, lum(to + 2))) continue;
        // A caret is drawn to be seen: it stands out by far more than a border's grey.
        const int strong = 2 * tolerance;
        if ((v - l > strong && v - r > strong) || (l - v > strong && r - v > strong)) return true;
    }
    return false;
}

// The pixels of a caret that one picture shows and the other does not: an upright line one
// or two pixels wide, at least `least` pixels high, where the other picture has no such
// line.
std::vector<uint8_t> caretZone(const ScreenPixels& a, const ScreenPixels& b, int least, int tolerance) {
    const int side = a.width;
    std::vector<uint8_t> zone(static_cast<size_t>(side * side), 0);
    for (const auto& [p, q] : {std::pair{&a, &b}, std::pair{&b, &a}}) {
        for (int x = 0; x < side; ++x) {
            int run = 0;
            for (int y = 0; y <= side; ++y) {
                const bool line = y < side && thinAt(*p, x, y, tolerance) && !thinAt(*q, x, y, tolerance) &&
                                  !(x > 0 && thinAt(*q, x - 1, y, tolerance)) &&
                                  !(x + 1 < side && thinAt(*q, x + 1, y, tolerance));
                if (line) {
                    ++run;
                    continue;
                }
                if (run >= least) {
                    for (int yy = y - run; yy < y; ++yy) zone[static_cast<size_t>(yy * side + x)] = 1;
                }
                run = 0;
            }
        }
    }
    return zone;
}

}  // namespace

bool SpotMatcher::detailed(const ScreenPixels& picture) const {
    const int side = picture.width;
    if (side <= 0 || picture.height != side) return false;
    const Planes p = planes(picture);
    const std::vector<float>& weight = weightsFor(side);
    const int back = medianLuminance(p);
    double seen = 0, content = 0;
    for (size_t i = 0; i < p.value.size(); ++i) {
        if (!p.seen[i]) continue;
        seen += weight[i];
        if (std::abs(p.value[i][0] - back) > tuning_.tolerance) content += weight[i];
    }
    return seen > 0 && content >= tuning_.leastDetail * seen;
}

SpotVerdict SpotMatcher::compare(const ScreenPixels& recorded, const ScreenPixels& now) const {
    SpotVerdict verdict;
    const int side = recorded.width;
    if (side <= 0 || recorded.height != side || now.width != side || now.height != side) return verdict;
    const Planes a = planes(recorded);
    Planes b = planes(now);
    const std::vector<float>& weight = weightsFor(side);
    const size_t count = static_cast<size_t>(side * side);

    // A hover highlight lightens or darkens the whole face of a button or a row: the shift
    // most pixels share, within bounds, is no change.
    std::vector<int> shifts;
    for (size_t i = 0; i < count; ++i)
        if (a.seen[i] && b.seen[i]) shifts.push_back(b.value[i][0] - a.value[i][0]);
    if (!shifts.empty()) {
        std::nth_element(shifts.begin(), shifts.begin() + static_cast<std::ptrdiff_t>(shifts.size() / 2), shifts.end());
        const int shift = std::clamp(shifts[shifts.size() / 2], -tuning_.mostShift, tuning_.mostShift);
        for (auto& v : b.value) v[0] = static_cast<int16_t>(v[0] - shift);
    }

    // What the spot shows besides its background (the luminance most of it has), in either
    // picture: a change is judged against that, so that a word of small letters all
    // different counts as much as another button, on a spot that is mostly plain.
    const int backA = medianLuminance(a), backB = medianLuminance(b);
    // A caret is as high as a line of text, taller than the strokes of the letters on it.
    const int caretHeight = std::max(4, tuning_.caretHeight * side / 32);
    const std::vector<uint8_t> caret = caretZone(recorded, now, caretHeight, tuning_.tolerance);

    // A pixel has changed when it differs beyond the tolerance, widened on an edge by half
    // the edge's contrast: an antialiased edge that fell half a pixel away changes by no
    // more than that, a stroke there in one picture only by all of it.
    std::vector<uint8_t> changed(count, 0);
    double total = 0, seenWeight = 0, contentWeight = 0;
    for (size_t i = 0; i < count; ++i) {
        total += weight[i];
        if (!a.seen[i] || !b.seen[i]) continue;
        seenWeight += weight[i];
        if (std::abs(a.value[i][0] - backA) > tuning_.tolerance || std::abs(b.value[i][0] - backB) > tuning_.tolerance)
            contentWeight += weight[i];
        const int allowed = tuning_.tolerance + std::max(a.edge[i], b.edge[i]) / 2;
        changed[i] = !caret[i] && distance(a.value[i], b.value[i]) > allowed;
    }
    verdict.seen = total > 0 ? seenWeight / total : 0;
    if (seenWeight <= 0) return verdict;

    // Each connected change is judged whole: a speck of one or two pixels is passed over.
    double changedWeight = 0;
    std::vector<int> stack, members;
    for (size_t start = 0; start < count; ++start) {
        if (changed[start] != 1) continue;
        members.clear();
        stack.assign(1, static_cast<int>(start));
        changed[start] = 2;
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            members.push_back(i);
            const int x = i % side, y = i / side;
            const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const auto& n : next) {
                if (n[0] < 0 || n[1] < 0 || n[0] >= side || n[1] >= side) continue;
                const size_t j = static_cast<size_t>(n[1] * side + n[0]);
                if (changed[j] == 1) {
                    changed[j] = 2;
                    stack.push_back(static_cast<int>(j));
                }
            }
        }
        if (members.size() <= 2) continue;
        for (int i : members) changedWeight += weight[static_cast<size_t>(i)];
    }
    verdict.difference = changedWeight / std::max(contentWeight, tuning_.leastContent * seenWeight);
    verdict.same = verdict.seen >= tuning_.leastSeen && verdict.difference <= tuning_.mostDifference;
    return verdict;
}

namespace {

// Luminance averaged over cells of `cell` x `cell` pixels; a cell that shows less than half
// of its pixels is unseen (-1).
struct Coarse {
    int width = 0, height = 0;
    std::vector<int16_t> value;
    int16_t at(int x, int y) const { return value[static_cast<size_t>(y * width + x)]; }
};

Coarse coarsen(const ScreenPixels& p, int cell, int offsetX = 0, int offsetY = 0) {
    Coarse c;
    c.width = (p.width - offsetX) / cell;
    c.height = (p.height - offsetY) / cell;
    if (c.width <= 0 || c.height <= 0) return Coarse{};
    c.value.assign(static_cast<size_t>(c.width * c.height), -1);
    for (int cy = 0; cy < c.height; ++cy) {
        for (int cx = 0; cx < c.width; ++cx) {
            int sum = 0, n = 0;
            for (int y = 0; y < cell; ++y)
                for (int x = 0; x < cell; ++x) {
                    const uint32_t q = p.at(offsetX + cx * cell + x, offsetY + cy * cell + y);
                    if (!seenPixel(q)) continue;
                    sum += luminance(q);
                    ++n;
                }
            if (2 * n >= cell * cell) c.value[static_cast<size_t>(cy * c.width + cx)] = static_cast<int16_t>(sum / n);
        }
    }
    return c;
}

struct Candidate {
    int x, y;   // top-left corner, in pixels of the area
    double score;
};

// Weighted mean absolute difference of `small` placed at (x, y) of `big`; a large value
// when too little of it is seen in both.
double meanDifference(const Coarse& small, const std::vector<float>& weight, const Coarse& big, int x, int y) {
    double sum = 0, seen = 0, total = 0;
    for (int j = 0; j < small.height; ++j)
        for (int i = 0; i < small.width; ++i) {
            const float w = weight[static_cast<size_t>(j * small.width + i)];
            total += w;
            const int16_t s = small.at(i, j), g = big.at(x + i, y + j);
            if (s < 0 || g < 0) continue;
            sum += w * std::abs(s - g);
            seen += w;
        }
    return seen * 2 >= total ? sum / seen : 1e9;
}

}  // namespace

std::optional<std::pair<int, int>> SpotMatcher::find(const ScreenPixels& recorded, const ScreenPixels& area) const {
    const int side = recorded.width;
    if (side < 4 || recorded.height != side || area.width < side || area.height < side) return std::nullopt;

    // First among cells of a few pixels, everywhere; then pixel by pixel round the best
    // few places; then the whole judgement on the best place of each.
    const int cell = std::max(2, side / 8);
    const Coarse small = coarsen(recorded, cell);
    const Coarse big = coarsen(area, cell);
    const std::vector<float> coarseWeight = centreWeights(small.width);
    std::vector<Candidate> coarse;
    for (int y = 0; y + small.height <= big.height; ++y)
        for (int x = 0; x + small.width <= big.width; ++x)
            coarse.push_back({x, y, meanDifference(small, coarseWeight, big, x, y)});
    std::sort(coarse.begin(), coarse.end(), [](const Candidate& l, const Candidate& r) { return l.score < r.score; });

    // The best places, each at least half a spot from the others.
    constexpr size_t kPlaces = 8;
    std::vector<Candidate> places;
    const int apart = std::max(1, small.width / 2);
    for (const Candidate& c : coarse) {
        if (c.score >= 1e9 || places.size() == kPlaces) break;
        const bool near = std::any_of(places.begin(), places.end(), [&](const Candidate& p) {
            return std::abs(p.x - c.x) < apart && std::abs(p.y - c.y) < apart;
        });
        if (!near) places.push_back(c);
    }

    const std::vector<float>& weight = weightsFor(side);
    struct Match {
        int cx, cy;
        double difference;
    };
    std::vector<Match> matches;
    for (const Candidate& place : places) {
        // Pixel by pixel within a cell either way, by the luminance of a sample of the
        // spot's pixels (some 16 x 16 of them, whatever its side).
        const int step = std::max(2, side / 16);
        Candidate best{0, 0, 1e18};
        for (int oy = -cell; oy <= cell; ++oy)
            for (int ox = -cell; ox <= cell; ++ox) {
                const int x = place.x * cell + ox, y = place.y * cell + oy;
                if (x < 0 || y < 0 || x + side > area.width || y + side > area.height) continue;
                double sum = 0, seen = 0;
                for (int j = 0; j < side; j += step)
                    for (int i = 0; i < side; i += step) {
                        const uint32_t r = recorded.at(i, j), a = area.at(x + i, y + j);
                        if (!seenPixel(r) || !seenPixel(a)) continue;
                        const float w = weight[static_cast<size_t>(j * side + i)];
                        sum += w * std::abs(luminance(r) - luminance(a));
                        seen += w;
                    }
                const double score = seen > 0 ? sum / seen : 1e18;
                if (score < best.score) best = {x, y, score};
            }
        if (best.score >= 1e18) continue;
        const int cx = best.x + side / 2, cy = best.y + side / 2;
        const SpotVerdict v = compare(recorded, squareAround(area, cx, cy, side));
        if (v.same) matches.push_back({cx, cy, v.difference});
    }
    // Two matches within half a spot of each other are one place found twice.
    std::vector<Match> distinct;
    std::sort(matches.begin(), matches.end(), [](const Match& l, const Match& r) { return l.difference < r.difference; });
    for (const Match& m : matches) {
        const bool near = std::any_of(distinct.begin(), distinct.end(), [&](const Match& d) {
            return std::abs(d.cx - m.cx) < side / 2 && std::abs(d.cy - m.cy) < side / 2;
        });
        if (!near) distinct.push_back(m);
    }
    // Clear: one place alone looks like the spot at all, and it looks so more closely than
    // a spot is required to at the click, since a search over a whole window meets many
    // near likenesses.
    if (distinct.size() != 1 || distinct.front().difference > tuning_.mostDifferenceFound) return std::nullopt;
    return std::make_pair(distinct.front().cx, distinct.front().cy);
}

}  // namespace zv

namespace zv {

std::vector<int> spotSides(int scalePercent) {
    const int scale = std::clamp(scalePercent, 50, 400);
    std::vector<int> sides;
    for (int design : {32, 64, 96}) sides.push_back(std::max(16, (design * scale / 100 + 1) / 2 * 2));
    return sides;
}

Rect searchArea(const Rect& window, int x, int y, int side) {
    const int left = std::max(window.left, x - window.width / 2);
    const int top = std::max(window.top, y - window.height / 2);
    const int right = std::min(window.left + window.width, x - window.width / 2 + window.width);
    const int bottom = std::min(window.top + window.height, y - window.height / 2 + window.height);
    const int half = side / 2;
    return {left - half, top - half, std::max(0, right - left) + side, std::max(0, bottom - top) + side};
}

std::pair<int, int> relocate(const SpotMatcher& matcher, const ScreenPixels& recorded, const Rect& window, int x,
                             int y, const ScreenReader& read) {
    const int side = recorded.width;
    const auto here = read({x - side / 2, y - side / 2, side, side});
    if (!here || matcher.compare(recorded, *here).same) return {x, y};
    const Rect area = searchArea(window, x, y, side);
    const auto around = read(area);
    if (!around) return {x, y};
    const auto found = matcher.find(recorded, *around);
    if (!found) return {x, y};
    // Never outside the window, as a point placed by its edges.
    return {std::clamp(area.left + found->first, window.left, window.left + std::max(window.width, 1) - 1),
            std::clamp(area.top + found->second, window.top, window.top + std::max(window.height, 1) - 1)};
}

}  // namespace zv
