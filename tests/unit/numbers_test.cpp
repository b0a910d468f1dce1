#include <gtest/gtest.h>

#include "platform/numbers.h"

using zv::leadingInteger;
using zv::wholeDecimal;
using zv::wholeInteger;

TEST(LeadingInteger, reads_blanks_sign_and_digits_up_to_the_first_other_character) {
    EXPECT_EQ(leadingInteger("12"), 12);
    EXPECT_EQ(leadingInteger("  \t-7x"), -7);
    EXPECT_EQ(leadingInteger("+30 tenths"), 30);
    EXPECT_EQ(leadingInteger("100abc"), 100);
    EXPECT_EQ(leadingInteger("007"), 7);
}

TEST(LeadingInteger, is_zero_without_a_leading_number) {
    EXPECT_EQ(leadingInteger(""), 0);
    EXPECT_EQ(leadingInteger("abc"), 0);
    EXPECT_EQ(leadingInteger("-"), 0);
    EXPECT_EQ(leadingInteger("- 5"), 0);
    EXPECT_EQ(leadingInteger("$10"), 0);
}

TEST(LeadingInteger, saturates_instead_of_overflowing) {
    EXPECT_EQ(leadingInteger("2147483647"), 2147483647);
    EXPECT_EQ(leadingInteger("2147483648"), 2147483647);
    EXPECT_EQ(leadingInteger("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(leadingInteger("-99999999999999999999999"), -2147483647 - 1);
    EXPECT_EQ(leadingInteger("99999999999999999999999"), 2147483647);
}

TEST(WholeInteger, accepts_leading_blanks_and_control_characters_and_a_sign) {
    EXPECT_EQ(wholeInteger("42"), 42);
    EXPECT_EQ(wholeInteger("   42"), 42);
    EXPECT_EQ(wholeInteger("\t\x01 -42"), -42);
    EXPECT_EQ(wholeInteger("+42"), 42);
    EXPECT_EQ(wholeInteger("-0"), 0);
}

TEST(WholeInteger, refuses_anything_after_the_digits_and_empty_texts) {
    EXPECT_EQ(wholeInteger("42 "), std::nullopt);
    EXPECT_EQ(wholeInteger("42x"), std::nullopt);
    EXPECT_EQ(wholeInteger("4 2"), std::nullopt);
    EXPECT_EQ(wholeInteger(""), std::nullopt);
    EXPECT_EQ(wholeInteger("   "), std::nullopt);
    EXPECT_EQ(wholeInteger("-"), std::nullopt);
    EXPECT_EQ(wholeInteger("- 4"), std::nullopt);
    EXPECT_EQ(wholeInteger("1.5"), std::nullopt);
    EXPECT_EQ(wholeInteger("0x10"), std::nullopt);
}

TEST(WholeInteger, reads_dollar_digits_as_hexadecimal) {
    EXPECT_EQ(wholeInteger("$10"), 16);
    EXPECT_EQ(wholeInteger("$ff"), 255);
    EXPECT_EQ(wholeInteger(" -$A"), -10);
    EXPECT_EQ(wholeInteger("$7FFFFFFF"), 2147483647);
    EXPECT_EQ(wholeInteger("$FFFFFFFF"), -1);  // the 32-bit pattern
    EXPECT_EQ(wholeInteger("$100000000"), std::nullopt);
    EXPECT_EQ(wholeInteger("$"), std::nullopt);
    EXPECT_EQ(wholeInteger("$G"), std::nullopt);
    EXPECT_EQ(wholeInteger("$$1"), std::nullopt);
}

TEST(WholeInteger, refuses_values_outside_32_bits) {
    EXPECT_EQ(wholeInteger("2147483647"), 2147483647);
    EXPECT_EQ(wholeInteger("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(wholeInteger("2147483648"), std::nullopt);
    EXPECT_EQ(wholeInteger("-2147483649"), std::nullopt);
    EXPECT_EQ(wholeInteger("99999999999999999999999999"), std::nullopt);
}

TEST(StrToInt, raises_the_general_error_with_the_text_unchanged) {
    EXPECT_EQ(zv::strToInt(" 12"), 12);
    try {
        zv::strToInt("12 ");
        FAIL() << "no error raised";
    } catch (const zv::ProgramError& e) {
        EXPECT_STREQ(e.what(), "'12 ' is not a valid integer value");
    }
    try {
        zv::strToInt("N\xFAmero");
        FAIL() << "no error raised";
    } catch (const zv::ProgramError& e) {
        EXPECT_STREQ(e.what(), "'N\xFAmero' is not a valid integer value");
    }
    EXPECT_THROW(zv::strToInt(""), zv::ProgramError);
}

TEST(WholeDecimal, takes_only_a_sign_and_decimal_digits) {
    EXPECT_EQ(wholeDecimal("255"), 255);
    EXPECT_EQ(wholeDecimal("-5"), -5);
    EXPECT_EQ(wholeDecimal("+5"), 5);
    EXPECT_EQ(wholeDecimal(" 5"), std::nullopt);
    EXPECT_EQ(wholeDecimal("5 "), std::nullopt);
    EXPECT_EQ(wholeDecimal("$10"), std::nullopt);
    EXPECT_EQ(wholeDecimal(""), std::nullopt);
    EXPECT_EQ(wholeDecimal("-"), std::nullopt);
    EXPECT_EQ(wholeDecimal("2147483648"), std::nullopt);
    EXPECT_EQ(wholeDecimal("-2147483648"), -2147483647 - 1);
}
