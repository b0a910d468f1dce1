// The settings file text as the Windows profile functions read and rewrite it.

#include <gtest/gtest.h>

#include "platform/profile_document.h"

using zv::ProfileDocument;

namespace {

std::string get(const std::string& text, const std::string& section, const std::string& key,
                const std::string& def = "default", unsigned bufsize = 50) {
    return ProfileDocument::parse(text).get(section, key, def, bufsize).value;
}

std::string afterSet(const std::string& text, const std::string& section, const std::string& key,
                     const std::string& value) {
    ProfileDocument doc = ProfileDocument::parse(text);
    doc.set(section, key, value);
    return doc.text();
}

}  // namespace

TEST(ProfileDocument, names_match_without_regard_to_case_accented_letters_included) {
    const std::string file = "[LlibreriaZentavoro]\r\nCOLOR=0\r\nT\xCDTOL FINESTRA=Bloc de notas\r\n";
    EXPECT_EQ(get(file, "llibreriazentavoro", "Color"), "0");
    EXPECT_EQ(get(file, "LlibreriaZentavoro", "t\xEDtol finestra"), "Bloc de notas");
    EXPECT_EQ(get(file, "LlibreriaZentavoro", "TITOL FINESTRA"), "default");
    EXPECT_EQ(afterSet(file, "LLIBRERIAZENTAVORO", "t\xEDtol FINESTRA", "x"),
              "[LlibreriaZentavoro]\r\nCOLOR=0\r\nT\xCDTOL FINESTRA=x\r\n");
}

TEST(ProfileDocument, a_present_empty_value_is_not_the_default_but_a_lone_name_is) {
    const std::string file = "[s]\nempty=\nlone\n";
    EXPECT_EQ(get(file, "s", "empty"), "");
    EXPECT_EQ(get(file, "s", "lone"), "default");
    EXPECT_EQ(get(file, "s", "absent"), "default");
    EXPECT_EQ(get(file, "other", "empty"), "default");
}

TEST(ProfileDocument, blanks_around_headers_names_and_values_are_ignored) {
    const std::string file = "  [ Zentavoro\t]  junk\n  BEEP \t=  S\xCD \t\n";
    EXPECT_EQ(get(file, "Zentavoro", "BEEP"), "S\xCD");
    EXPECT_EQ(get(file, "  Zentavoro ", " BEEP  "), "S\xCD");
    EXPECT_EQ(get(file, "Zentavoro", "BEEP", "x", 50), "S\xCD");
}

TEST(ProfileDocument, matching_quotes_are_discarded_and_do_not_count_against_the_buffer) {
    const std::string file = "[s]\nd=\"a b\"\ns='x'\nmixed=\"x'\nlone=\"\nempty=\"\"\ninner=\"z\"\"\n";
    EXPECT_EQ(get(file, "s", "d"), "a b");
    EXPECT_EQ(get(file, "s", "s"), "x");
    EXPECT_EQ(get(file, "s", "mixed"), "\"x'");
    EXPECT_EQ(get(file, "s", "lone"), "\"");
    EXPECT_EQ(get(file, "s", "empty"), "");
    EXPECT_EQ(get(file, "s", "inner"), "z\"");
    // "a b" fits a buffer of four exactly.
    EXPECT_EQ(get(file, "s", "d", "", 4), "a b");
    EXPECT_EQ(get(file, "s", "d", "", 3), "a ");
    EXPECT_EQ(get(file, "s", "absent", "'quoted default'  ", 50), "quoted default");
}

TEST(ProfileDocument, reads_are_cut_to_the_buffer_less_one_and_report_what_was_copied) {
    const std::string sixty(60, 'v');
    const auto read = ProfileDocument::parse("[s]\r\nk=" + sixty + "\r\n").get("s", "k", "", 50);
    EXPECT_EQ(read.value, sixty.substr(0, 49));
    EXPECT_EQ(read.ret, 49);
    EXPECT_EQ(ProfileDocument::parse("").get("s", "k", "abcdef", 3).value, "ab");
    EXPECT_EQ(ProfileDocument::parse("").get("s", "k", "abcdef", 1).ret, 0);
    EXPECT_EQ(ProfileDocument::parse("").get("s", "k", "abcdef", 0).ret, 0);
}

TEST(ProfileDocument, only_trailing_spaces_are_cut_from_the_default) {
    EXPECT_EQ(get("", "s", "k", "  12  "), "  12");
    EXPECT_EQ(get("", "s", "k", "12\t"), "12\t");
}

TEST(ProfileDocument, the_first_section_and_the_first_key_win) {
    const std::string file = "[s]\nk=1\n[S]\nk=2\nj=3\n[s]\nk=4\nk=5\n";
    EXPECT_EQ(get(file, "s", "k"), "1");
    EXPECT_EQ(get(file, "s", "j"), "default");
    EXPECT_EQ(afterSet(file, "S", "K", "9"), "[s]\r\nk=9\r\n[S]\r\nk=2\r\nj=3\r\n[s]\r\nk=4\r\nk=5\r\n");
    EXPECT_EQ(afterSet(file, "s", "j", "7"), "[s]\r\nk=1\r\nj=7\r\n[S]\r\nk=2\r\nj=3\r\n[s]\r\nk=4\r\nk=5\r\n");
}

TEST(ProfileDocument, comment_lines_stay_but_are_never_found) {
    const std::string file = "; options\n[s]\n  ;k=1\nk=2\n";
    EXPECT_EQ(get(file, "s", "k"), "2");
    EXPECT_EQ(get(file, "s", ";k"), "default");
    EXPECT_EQ(afterSet(file, "s", "n", "3"), "; options\r\n[s]\r\n;k=1\r\nk=2\r\nn=3\r\n");
}

TEST(ProfileDocument, lines_end_at_cr_lf_lf_or_a_lone_cr) {
    EXPECT_EQ(get("[s]\r\nk=1\r\n", "s", "k"), "1");
    EXPECT_EQ(get("[s]\nk=1", "s", "k"), "1");
    EXPECT_EQ(get("[s]\rk=1\rj=2", "s", "j"), "2");
}

TEST(ProfileDocument, headers_end_at_the_last_closing_bracket_and_need_one) {
    const std::string file = "[a]b]\nk=1\n[open\nk=2\n";
    EXPECT_EQ(get(file, "a]b", "k"), "1");
    EXPECT_EQ(get(file, "a", "k"), "default");
    EXPECT_EQ(get(file, "open", "k"), "default");
}

TEST(ProfileDocument, a_write_rewrites_the_file_in_the_profile_layout) {
    // New key after the last entry of its section, blank lines and blanks around "=" gone,
    // CR LF everywhere.
    EXPECT_EQ(afterSet("[a]\n k = 1 \n\n;about b\n\n[b]\nx=1\n", "a", "n", "2"),
              "[a]\r\nk=1\r\n;about b\r\nn=2\r\n[b]\r\nx=1\r\n");
    // A new section goes at the end; a file without a final line end gets one.
    EXPECT_EQ(afterSet("[a]\nk=1", "Posicio Finestra", "Width", "200"),
              "[a]\r\nk=1\r\n[Posicio Finestra]\r\nWidth=200\r\n");
    EXPECT_EQ(afterSet("", "s", "k", "v"), "[s]\r\nk=v\r\n");
    // A lone name takes the value in its place.
    EXPECT_EQ(afterSet("[s]\nflag\nk=1\n", "s", "flag", "on"), "[s]\r\nflag=on\r\nk=1\r\n");
    // Lines before the first header stay in front.
    EXPECT_EQ(afterSet("note\n[s]\n", "s", "k", ""), "note\r\n[s]\r\nk=\r\n");
}

TEST(ProfileDocument, a_written_value_loses_its_leading_blanks_only) {
    EXPECT_EQ(afterSet("", "s", "k", "  v  "), "[s]\r\nk=v  \r\n");
}

TEST(ProfileDocument, writing_the_stored_value_again_changes_nothing) {
    ProfileDocument doc = ProfileDocument::parse("[s]\nk = same \n");
    EXPECT_FALSE(doc.set("S", "K", "same"));
    EXPECT_FALSE(doc.set("s", "k", "  same"));
    EXPECT_TRUE(doc.set("s", "k", "Same"));
    EXPECT_TRUE(doc.set("s", "k2", "same"));
}

TEST(ProfileDocument, of_a_run_of_nameless_entries_only_the_first_is_kept) {
    EXPECT_EQ(get("[s]\n=1\n=2\n", "s", ""), "1");
    EXPECT_EQ(afterSet("[s]\n=1\n=2\nk=3\n=4\n", "s", "z", "1"), "[s]\r\n=1\r\nk=3\r\n=4\r\nz=1\r\n");
}
