#include <gtest/gtest.h>

#include "platform/text.h"

using namespace zv;

namespace {

std::string everyByte() {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    return all;
}

}  // namespace

TEST(Cp1252, every_byte_survives_a_round_trip_through_utf8_and_utf16) {
    const std::string all = everyByte();
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    EXPECT_EQ(utf16ToCp1252(cp1252ToUtf16(all)), all);
}

TEST(Cp1252, converts_the_letters_of_the_settings_file) {
    EXPECT_EQ(cp1252ToUtf8("S\xCD"), "S\xC3\x8D");           // SÍ
    EXPECT_EQ(cp1252ToUtf8("Catal\xE0"), "Catal\xC3\xA0");   // Català
    EXPECT_EQ(cp1252ToUtf8("\x80"), "\xE2\x82\xAC");         // €
    EXPECT_EQ(cp1252ToUtf16("\x9F\x8C"), u"\u0178\u0152");   // ŸŒ
    EXPECT_EQ(utf8ToCp1252("Op\xC3\xA7\xC3\xB5" "es "), "Op\xE7\xF5" "es ");
    EXPECT_EQ(utf16ToCp1252(u"\u201Cx\u201D"), "\x93x\x94");
}

TEST(Cp1252, the_five_undefined_bytes_map_to_the_c1_controls_of_the_same_number) {
    for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(cp1252ToUtf16(byte), std::u16string(1, static_cast<char16_t>(b)));
        const std::string utf8{static_cast<char>(0xC2), static_cast<char>(b)};
        EXPECT_EQ(cp1252ToUtf8(byte), utf8);
        EXPECT_EQ(utf8ToCp1252(utf8), byte);
    }
    // The other C1 controls have no place in the code page.
    EXPECT_EQ(utf8ToCp1252("\xC2\x80"), "?");
    EXPECT_EQ(utf16ToCp1252(u"\u009F"), "?");
}

TEST(Cp1252, characters_outside_the_code_page_become_question_marks) {
    EXPECT_EQ(utf8ToCp1252("a\xD0\x96" "b"), "a?b");        // Cyrillic Zhe
    EXPECT_EQ(utf8ToCp1252("\xF0\x9F\x98\x80"), "?");       // one character, one mark
    EXPECT_EQ(utf16ToCp1252(u"x\U0001F600y"), "x?y");
    EXPECT_EQ(utf16ToCp1252(std::u16string(1, char16_t(0xD800))), "?");
    EXPECT_EQ(utf8ToCp1252("\xFF" "a"), "?a");              // malformed input
    EXPECT_EQ(utf8ToCp1252("\xC3"), "?");                   // cut sequence
}

TEST(UpperAscii, raises_a_to_z_only) {
    EXPECT_EQ(upperAscii("t\xEDtol finestra.zvo"), "T\xEDTOL FINESTRA.ZVO");
    EXPECT_EQ(upperAscii("\xE0\xFF\x9A"), "\xE0\xFF\x9A");
}

TEST(FoldCase1252, folds_ascii_and_accented_letters_but_not_the_signs_between_them) {
    EXPECT_TRUE(equalsIgnoreCase1252("T\xCDTOL FINESTRA", "t\xEDtol finestra"));
    EXPECT_TRUE(equalsIgnoreCase1252("D\xC8" "CIMES", "d\xE8" "cimes"));
    EXPECT_TRUE(equalsIgnoreCase1252("\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF"));  // ŠŒŽŸ
    EXPECT_FALSE(equalsIgnoreCase1252("\xD7", "\xF7"));                          // × ÷
    EXPECT_FALSE(equalsIgnoreCase1252("abc", "abcd"));
    EXPECT_FALSE(equalsIgnoreCase1252("[", "{"));
    EXPECT_EQ(foldCase1252('\xDF'), '\xDF');  // ß has no capital in the code page
    EXPECT_EQ(foldCase1252('\xB5'), '\xB5');  // nor µ
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        EXPECT_EQ(foldCase1252(foldCase1252(c)), foldCase1252(c)) << b;
    }
}

TEST(StripAccessKey, removes_the_marker_and_keeps_a_doubled_ampersand) {
    EXPECT_EQ(stripAccessKey("&Nuevo"), "Nuevo");
    EXPECT_EQ(stripAccessKey("Gra&bar"), "Grabar");
    EXPECT_EQ(stripAccessKey("&Op\xE7\xF5" "es "), "Op\xE7\xF5" "es ");
    EXPECT_EQ(stripAccessKey("A && B"), "A & B");
    EXPECT_EQ(stripAccessKey("&A && &B"), "A & &B");
    EXPECT_EQ(stripAccessKey("plain"), "plain");
}

TEST(Unicode, utf8_and_utf16_carry_every_character_and_mend_broken_input) {
    const std::string text = "a\xC3\xA9\xE2\x82\xAC\xCE\x9A\xF0\x9F\x98\x80";   // a é € Κ 😀
    EXPECT_EQ(utf8ToUtf16(text), u"a\u00E9\u20AC\u039A\U0001F600");
    EXPECT_EQ(utf16ToUtf8(utf8ToUtf16(text)), text);
    // A lone surrogate, a truncated sequence and an overlong one become U+FFFD.
    EXPECT_EQ(utf16ToUtf8(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
    EXPECT_EQ(utf8ToUtf16("\xE2\x82"), u"\uFFFD\uFFFD");
    EXPECT_EQ(utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");
    EXPECT_EQ(cp1252Byte(0x20AC), '\x80');
    EXPECT_EQ(cp1252Byte(0x39A), std::nullopt);
}
