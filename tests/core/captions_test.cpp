#include "lang/captions.h"

#include <gtest/gtest.h>

using namespace zv::lang;

TEST(Captions, texts_are_code_page_1252_letter_for_letter) {
    EXPECT_EQ(captions(Portuguese)[11], "&Op\xE7\xF5" "es ");
    EXPECT_EQ(captions(Basque)[17], "Aktibatu  saguaren jarraipenerako koadroa");
    EXPECT_EQ(captions(French)[12], "En ejecucion, hacer &clic real");
    EXPECT_EQ(captions(Catalan)[6], "Pa&rar gravaci\xF3");
    EXPECT_EQ(captions(English)[23], "Escoger tama\xF1o");
    EXPECT_EQ(settingsValue(Catalan), "Catal\xE0");
    EXPECT_EQ(settingsValue(Spanish), "Castell\xE0");
}

TEST(Captions, restoring_matches_exactly_and_never_spanish) {
    EXPECT_EQ(restoredLanguage("English"), English);
    EXPECT_EQ(restoredLanguage("Catal\xE0"), Catalan);
    EXPECT_EQ(restoredLanguage("catal\xE0"), -1);
    EXPECT_EQ(restoredLanguage("Catala"), -1);
    EXPECT_EQ(restoredLanguage("Castell\xE0"), -1);
    EXPECT_EQ(restoredLanguage("NO"), -1);
}
