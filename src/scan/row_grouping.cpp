#include "scan/row_grouping.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace zv {

int RowGrouping::targetSize(int pointCount) {
    if (pointCount <= 1) return 1;
    return static_cast<int>(std::ceil(std::sqrt(static_cast<double>(pointCount))));
}

std::vector<std::vector<int>> RowGrouping::rows(const std::vector<std::pair<int, int>>& places) const {
    std::vector<int> order(places.size());
    std::iota(order.begin(), order.end(), 0);
    // Equal places keep the order they were recorded in.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return places[static_cast<size_t>(a)].second < places[static_cast<size_t>(b)].second;
    });
    std::vector<std::vector<int>> out;
    long long rowTop = 0;
    for (int i : order) {
        const long long y = places[static_cast<size_t>(i)].second;
        // Measured from the row's highest point, so that a slope of points a few pixels apart
        // never chains the whole screen into one row.
        if (out.empty() || y - rowTop > tuning_.rowTolerance) {
            out.emplace_back();
            rowTop = y;
        }
        out.back().push_back(i);
    }
    for (auto& row : out)
        std::stable_sort(row.begin(), row.end(), [&](int a, int b) {
            return places[static_cast<size_t>(a)].first < places[static_cast<size_t>(b)].first;
        });
    return out;
}

std::vector<std::vector<int>> RowGrouping::groups(const std::vector<std::pair<int, int>>& places) const {
    const int count = static_cast<int>(places.size());
    if (count <= std::max(1, tuning_.singleGroupUpTo)) {
        std::vector<int> all(places.size());
        std::iota(all.begin(), all.end(), 0);
        return {all};
    }
    const int target = targetSize(count);

    // A row half as long again as the target is cut into parts of nearly equal length.
    std::vector<std::vector<int>> parts;
    for (auto& row : rows(places)) {
        const int length = static_cast<int>(row.size());
        if (length <= target + target / 2) {
            parts.push_back(std::move(row));
            continue;
        }
        const int pieces = (length + target - 1) / target;
        int from = 0;
        for (int p = 0; p < pieces; ++p) {
            const int size = length / pieces + (p < length % pieces ? 1 : 0);
            parts.emplace_back(row.begin() + from, row.begin() + from + size);
            from += size;
        }
    }

    // Short rows go together with the rows below them while the group stays within the target.
    std::vector<std::vector<int>> out;
    for (auto& part : parts) {
        if (!out.empty() && out.back().size() + part.size() <= static_cast<size_t>(target))
            out.back().insert(out.back().end(), part.begin(), part.end());
        else
            out.push_back(std::move(part));
    }
    return out;
}

}  // namespace zv
