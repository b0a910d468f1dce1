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
    // Accented capitals order after the plain letters, as the sort did; names and titles
    // are UTF-8.
    EXPECT_EQ(firstMatchingScanFile({"\xC3\x89" "S.zvo", "BLOC.zvo"}, "\xC3\x89S BLOC"), "BLOC.zvo");
    EXPECT_EQ(firstMatchingScanFile({"\xC3\xA9s.zvo", "\xC3\x89S.zvo", "ZZ.zvo"}, "\xC3\x89S \xC3\xA9s ZZ"), "ZZ.zvo");
}

TEST(WindowMatching, titles_outside_the_code_page_find_their_own_file_only) {
    const std::string calculator = "\xE8\xAE\xA1\xE7\xAE\x97\xE5\x99\xA8";   // 计算器
    const std::string notepad = "\xE8\xAE\xB0\xE4\xBA\x8B\xE6\x9C\xAC";      // 记事本
    const std::string kalkulyator =                                                   // Калькулятор
        "\xD0\x9A\xD0\xB0\xD0\xBB\xD1\x8C\xD0\xBA\xD1\x83\xD0\xBB\xD1\x8F\xD1\x82\xD0\xBE\xD1\x80";
    const std::string bloknot = "\xD0\x91\xD0\xBB\xD0\xBE\xD0\xBA\xD0\xBD\xD0\xBE\xD1\x82";   // Блокнот
    const std::vector<std::string> files = {notepad + ".zvo", calculator + ".zvo", bloknot + ".zvo", kalkulyator + ".zvo"};
    EXPECT_EQ(firstMatchingScanFile(files, calculator), calculator + ".zvo");
    EXPECT_EQ(firstMatchingScanFile(files, notepad + " - 1"), notepad + ".zvo");
    EXPECT_EQ(firstMatchingScanFile(files, kalkulyator + " 2"), kalkulyator + ".zvo");
    // In code page 1252 all of them are question marks, and the shorter would fit the longer.
    EXPECT_EQ(firstMatchingScanFile(files, "\xE5\xAD\x97"), std::nullopt);
    EXPECT_EQ(firstMatchingScanFile({bloknot + ".zvo"}, kalkulyator), std::nullopt);
    // Capitals a to z only: Cyrillic letters keep their case, as accented ones do.
    EXPECT_EQ(firstMatchingScanFile({"\xD0\xB0.zvo"}, "\xD0\x90"), std::nullopt);
}

TEST(WindowMatching, a_file_saved_under_a_title_names_cannot_hold_still_fits_it) {
    // Saved as "INFORME 1_2 _FINAL_.zvo" from the title INFORME 1/2 "FINAL".
    EXPECT_EQ(firstMatchingScanFile({"Informe 1_2 _final_.zvo"}, "INFORME 1/2 \"FINAL\" - EDITOR"), "Informe 1_2 _final_.zvo");
    // On Linux a name may hold a colon: it still fits the title as it stands.
    EXPECT_EQ(firstMatchingScanFile({"Nota: hoy.zvo"}, "NOTA: HOY"), "Nota: hoy.zvo");
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
