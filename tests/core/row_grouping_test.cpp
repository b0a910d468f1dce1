#include "scan/row_grouping.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using zv::RowGrouping;
using Places = std::vector<std::pair<int, int>>;
using Groups = std::vector<std::vector<int>>;

namespace {

// Every index exactly once.
void expectEveryPointOnce(const Groups& groups, size_t count) {
    std::vector<int> all;
    for (const auto& g : groups) all.insert(all.end(), g.begin(), g.end());
    std::sort(all.begin(), all.end());
    ASSERT_EQ(all.size(), count);
    for (size_t i = 0; i < count; ++i) EXPECT_EQ(all[i], static_cast<int>(i));
}

}  // namespace

TEST(RowGrouping, a_grid_recorded_in_any_order_forms_its_rows_top_to_bottom_each_left_to_right) {
    // A 6 x 6 grid, recorded column by column from the bottom right, hand-placed a few
    // pixels off its lines.
    Places places;
    std::vector<std::pair<int, int>> cell;
    for (int c = 5; c >= 0; --c)
        for (int r = 5; r >= 0; --r) {
            places.push_back({100 + 60 * c + (r % 3) - 1, 200 + 45 * r + (c % 4) * 2 - 3});
            cell.push_back({r, c});
        }
    const Groups groups = RowGrouping{}.groups(places);
    ASSERT_EQ(groups.size(), 6u);
    for (int r = 0; r < 6; ++r) {
        ASSERT_EQ(groups[static_cast<size_t>(r)].size(), 6u);
        for (int c = 0; c < 6; ++c)
            EXPECT_EQ(cell[static_cast<size_t>(groups[static_cast<size_t>(r)][static_cast<size_t>(c)])],
                      std::make_pair(r, c));
    }
}

TEST(RowGrouping, up_to_six_points_are_one_group_in_their_recorded_order) {
    const Places six{{500, 10}, {10, 700}, {300, 300}, {20, 20}, {900, 500}, {40, 400}};
    EXPECT_EQ(RowGrouping{}.groups(six), (Groups{{0, 1, 2, 3, 4, 5}}));
    EXPECT_EQ(RowGrouping{}.groups({}), (Groups{{}}));
}

TEST(RowGrouping, scattered_points_go_together_top_to_bottom_in_groups_of_about_the_square_root) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> x(0, 1023), y(0, 767);
    for (int trial = 0; trial < 50; ++trial) {
        Places places;
        for (int i = 0; i < 20; ++i) places.push_back({x(rng), y(rng)});
        const Groups groups = RowGrouping{}.groups(places);
        expectEveryPointOnce(groups, places.size());
        EXPECT_GE(groups.size(), 4u);
        EXPECT_LE(groups.size(), 7u);
        for (size_t g = 0; g < groups.size(); ++g) {
            EXPECT_LE(groups[g].size(), 5u);
            // No point of a later group stands above a point of an earlier one by more than
            // the height of a row.
            if (g == 0) continue;
            int above = 0, below = 1 << 30;
            for (int p : groups[g - 1]) above = std::max(above, places[static_cast<size_t>(p)].second);
            for (int p : groups[g]) below = std::min(below, places[static_cast<size_t>(p)].second);
            EXPECT_GE(below, above - 16);
        }
    }
}

TEST(RowGrouping, a_long_row_is_cut_into_nearly_equal_parts_and_a_slope_does_not_chain_into_one_row) {
    Places row;
    for (int i = 0; i < 24; ++i) row.push_back({1000 - 40 * i, 300});
    const Groups cut = RowGrouping{}.groups(row);
    ASSERT_EQ(cut.size(), 5u);
    EXPECT_EQ(cut[0], (std::vector<int>{23, 22, 21, 20, 19}));
    EXPECT_EQ(cut[4].size(), 4u);

    // Each point 10 px below the one before: rows are measured from their highest point.
    Places slope;
    for (int i = 0; i < 9; ++i) slope.push_back({50 * i, 100 + 10 * i});
    const Groups rows = RowGrouping{{.rowTolerance = 16, .singleGroupUpTo = 0}}.groups(slope);
    expectEveryPointOnce(rows, slope.size());
    // Rows of two (the third point is 20 px below the first), too long to go together; the
    // last point alone joins the row above it.
    EXPECT_EQ(rows, (Groups{{0, 1}, {2, 3}, {4, 5}, {6, 7, 8}}));
}
