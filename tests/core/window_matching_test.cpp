#include "points/window_matching.h"

#include <gtest/gtest.h>

using zv::firstMatchingScanFile;

TEST(WindowMatching, the_first_fitting_name_in_case_blind_order_wins_and_the_earliest_listed_among_equals) {
    const std::string title = "CARTA - CALC - BLOC";
    EXPECT_EQ(firstMatchingScanFile({"calc.zvo", "Bloc.zvo", "carta.zvo"}, title), "Bloc.zvo");
    EXPECT_EQ(firstMatchingScanFile({"zeta.zvo", "Calc.zvo"}, title), "Calc.zvo");
    // Equal without regard to case: the one listed first.
    EXPECT_EQ(firstMatchingScanFile({"CALC.zvo", "calc.zvo"}, title), "CALC.zvo");
    EXPECT_EQ(firstMatchingScanFile({"calc.zvo", "CALC.zvo"}, title), "calc.zvo");
    // Accented capitals order after the plain letters, as the sort did.
    EXPECT_EQ(firstMatchingScanFile({"\xC9" "S.zvo", "BLOC.zvo"}, "\xC9S BLOC"), "BLOC.zvo");
}

TEST(WindowMatching, names_without_a_stem_and_titles_that_hold_none_match_nothing) {
    EXPECT_EQ(firstMatchingScanFile({".zvo", "zvo", "a.zvo"}, "TITLE"), std::nullopt);
    EXPECT_EQ(firstMatchingScanFile({"bloc.zvo"}, "bloc"), std::nullopt);  // the title comes in capitals
    EXPECT_EQ(firstMatchingScanFile({}, "ANY"), std::nullopt);
    EXPECT_EQ(firstMatchingScanFile({"a.zvo"}, "A"), "a.zvo");
}

TEST(WindowMatching, a_candidate_is_a_file_whose_name_matches_the_scan_file_mask_in_any_case) {
    for (const char* yes : {"carta.zvo", "CARTA.ZVO", "Calc.Zvo", "a b.zvo", "x.y.zvo", ".zvo"})
        EXPECT_TRUE(zv::isScanFileName(yes)) << yes;
    for (const char* no : {"carta.zvo~", "carta.zv", "zvo", "", "carta.zvo.bak", "notes.txt"})
        EXPECT_FALSE(zv::isScanFileName(no)) << no;
}
