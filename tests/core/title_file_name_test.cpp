// Titles as the names of their scan files, in any script, and the title a recording is
// saved under.

#include "points/title_file_name.h"

#include <gtest/gtest.h>

#include "platform/text.h"

using zv::fileNameFromTitle;
using zv::titleOfRecording;

namespace {
const std::string kCalculator = "\xE8\xAE\xA1\xE7\xAE\x97\xE5\x99\xA8";        // 计算器
const std::string kNotepad = "\xE8\xAE\xB0\xE4\xBA\x8B\xE6\x9C\xAC";           // 记事本
const std::string kKalkulyator = "\xD0\x9A\xD0\xB0\xD0\xBB\xD1\x8C\xD0\xBA\xD1\x83\xD0\xBB\xD1\x8F\xD1\x82\xD0\xBE\xD1\x80";
const std::string kEmoji = "\xF0\x9F\x93\x9D";                                  // 📝
}  // namespace

TEST(TitleFileName, every_character_a_name_can_hold_is_kept_and_only_the_others_replaced) {
    EXPECT_EQ(fileNameFromTitle(kCalculator + " - " + kKalkulyator + " " + kEmoji),
              kCalculator + " - " + kKalkulyator + " " + kEmoji);
    EXPECT_EQ(fileNameFromTitle("Informe 1/2 \"final\" <a|b> c:\\d*?"), "Informe 1_2 _final_ _a_b_ c__d__");
    EXPECT_EQ(fileNameFromTitle("tab\there\x7F" "end"), "tab_here_end");
    // A code page title without such characters is the name byte for byte.
    const std::string accented = zv::cp1252ToUtf8("M\xFAsica \x80 Caf\xE9 - Bloc de notas");
    EXPECT_EQ(fileNameFromTitle(accented), accented);
    EXPECT_EQ(fileNameFromTitle(""), "");
}

TEST(TitleFileName, names_end_without_dots_or_blanks_and_hold_at_most_120_characters) {
    EXPECT_EQ(fileNameFromTitle("Notas. . .  "), "Notas");
    EXPECT_EQ(fileNameFromTitle("..."), "");
    std::string longTitle;
    for (int i = 0; i < 50; ++i) longTitle += kCalculator;   // 150 characters
    const std::string name = fileNameFromTitle(longTitle);
    EXPECT_EQ(zv::utf8ToCodePoints(name).size(), 120u);
    EXPECT_EQ(longTitle.compare(0, name.size(), name), 0);
    // Cut at 120, the name may end in a blank, which goes too.
    EXPECT_EQ(fileNameFromTitle(std::string(119, 'a') + " b"), std::string(119, 'a'));
}

TEST(TitleFileName, a_recording_is_saved_under_its_full_title_only_when_the_mailbox_agrees_with_it) {
    // The mailbox holds what code page 1252 makes of the title, cut to 49 characters.
    EXPECT_EQ(titleOfRecording(kCalculator, "???", 49), kCalculator);
    std::string longTitle;
    for (int i = 0; i < 20; ++i) longTitle += kNotepad;   // 60 characters
    EXPECT_EQ(titleOfRecording(longTitle, std::string(49, '?'), 49), longTitle);
    // Another window's title in the mailbox (a screen-capture recording, or an older one).
    EXPECT_EQ(titleOfRecording(kCalculator, "Bloc de notas", 49), "Bloc de notas");
    EXPECT_EQ(titleOfRecording(kCalculator, "", 49), "");
    // A title the code page holds is the mailbox's, as it always was, even when longer.
    const std::string plain = "Un t\xC3\xADtulo de m\xC3\xA1s de cuarenta y nueve caracteres, bastante largo";
    const std::string mailbox = zv::utf8ToCp1252(plain).substr(0, 49);
    EXPECT_EQ(titleOfRecording(plain, mailbox, 49), zv::cp1252ToUtf8(mailbox));
    EXPECT_EQ(titleOfRecording("", "M\xFAsica", 49), "M\xC3\xBAsica");
}
