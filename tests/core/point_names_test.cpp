#include <gtest/gtest.h>

#include "feedback/step_speech.h"
#include "points/anchor_lines.h"
#include "points/name_lines.h"
#include "points/point_names.h"

using namespace zv;

namespace {

const char* kHeader = "Projecte Brisal 2001 - Zentavoro v: 1";

std::vector<std::string> file(std::initializer_list<const char*> lines) { return {lines.begin(), lines.end()}; }

// The names of points 1 to count, as the reader gives them.
std::vector<std::string> namesOf(const PointNames& names, int count) {
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i) out.push_back(names.nameOf(i));
    return out;
}

}  // namespace

TEST(PointNames, names_given_taken_away_and_counted_within_the_points) {
    PointNames names;
    EXPECT_FALSE(names.any(1001));
    names.set(3, "Aceptar");
    EXPECT_EQ(names.nameOf(3), "Aceptar");
    EXPECT_EQ(names.nameOf(2), "");
    EXPECT_EQ(names.nameOf(-1), "");
    EXPECT_EQ(names.nameOf(5000), "");
    EXPECT_FALSE(names.any(3));
    EXPECT_TRUE(names.any(4));
    names.set(1001, "past the storage");
    EXPECT_EQ(names.nameOf(1001), "");
    names.unset(3);
    EXPECT_FALSE(names.any(1001));
}

TEST(PointNames, names_from_the_accessibility_layer_are_tidied_and_bounded) {
    EXPECT_EQ(tidyName("  Save\r\n as...\t "), "Save as...");
    EXPECT_EQ(tidyName("\xC2\xA0" "Guardar\xC2\xA0"), "Guardar");   // no-break spaces
    EXPECT_EQ(tidyName(""), "");
    EXPECT_EQ(tidyName("\n\t "), "");
    // Characters, not bytes, are counted: a long name of Greek letters keeps whole ones.
    std::string greek;
    for (int i = 0; i < 300; ++i) greek += "\xCE\xB1";
    EXPECT_EQ(tidyName(greek).size(), 2 * kLongestName);
    // A malformed sequence from a backend becomes the replacement character.
    EXPECT_EQ(tidyName("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
}

TEST(PointNames, an_unnamed_point_is_called_by_its_window_and_number_and_said_by_its_number) {
    EXPECT_EQ(fallbackName("Calculadora", 3), "Calculadora 3");
    EXPECT_EQ(fallbackName(" Notes\n- letter.txt ", 12), "Notes - letter.txt 12");
    EXPECT_EQ(fallbackName("", 7), "7");
    PointNames names;
    names.set(0, "Siete");
    EXPECT_EQ(spokenName(names, 0), "Siete");
    EXPECT_EQ(spokenName(names, 1), "2");
}

TEST(PointNames, a_group_says_its_first_and_last_names) {
    EXPECT_EQ(groupText("Siete", "Nueve"), "Siete, Nueve");
    EXPECT_EQ(groupText("Siete", "Siete"), "Siete");
}

TEST(NameLines, names_write_as_comment_lines_and_read_back) {
    PointNames names;
    names.set(0, "Aceptar");
    names.set(2, "Calculadora 3");
    const auto lines = nameLines(names, 3);
    EXPECT_EQ(lines, file({"//zv names 1", "//zv name 1 \"Aceptar\"", "//zv name 3 \"Calculadora 3\""}));
    std::vector<std::string> all = file({kHeader, "N\xFAmero de puntos = 3", "1,1", "2,2", "3,3"});
    all.insert(all.end(), lines.begin(), lines.end());
    EXPECT_EQ(namesOf(readNameLines(all, 3), 3), (std::vector<std::string>{"Aceptar", "", "Calculadora 3"}));
    // Only the names of points within the count are written, and none at all without one.
    EXPECT_EQ(nameLines(names, 2).size(), 2u);
    EXPECT_TRUE(nameLines(PointNames{}, 1001).empty());
    EXPECT_TRUE(nameLines(names, 0).empty());
}

TEST(NameLines, any_character_survives_the_code_page) {
    // A quote, a backslash, a control, the code page's own letters and euro sign, Greek,
    // an arrow and a character beyond the basic plane.
    const std::string name = "\"a\\b\x01" "\xC3\xA9\xE2\x82\xAC \xCE\x9A\xE2\x86\x92\xF0\x9F\x98\x80";
    PointNames names;
    names.set(0, name);
    const auto lines = nameLines(names, 1);
    ASSERT_EQ(lines.size(), 2u);
    // The code page's characters as its bytes, the others escaped; every byte printable.
    EXPECT_EQ(lines[1], "//zv name 1 \"\\\"a\\\\b\\x01\xE9\x80 \\u{39A}\\u{2192}\\u{1F600}\"");
    EXPECT_EQ(readNameLines(file({kHeader, lines[0].c_str(), lines[1].c_str()}), 1).nameOf(0), name);
    // Read from the text as the line buffer holds it.
    const std::string text = std::string(kHeader) + "\r\nN\xFAmero de puntos = 1\r\n5,5\r\n" + lines[0] + "\r\n" + lines[1];
    EXPECT_EQ(readNameLinesOf(text, 1).nameOf(0), name);
}

TEST(NameLines, lines_that_cannot_be_read_name_nothing) {
    const auto names = readNameLines(file({kHeader,
                                           "//zv name 1 \"before any version line\"",
                                           "//zv names 1",
                                           "//zv name 2 \"Dos\" later words are for later versions",
                                           "//zv name 2 \"a second line for the same point\"",
                                           "//zv name 3 \"broken \\u{D800} surrogate\"",
                                           "//zv name 3 \"broken \\u{110000} too far\"",
                                           "//zv name 3 \"broken \\u{} empty\"",
                                           "//zv name 3 \"unclosed",
                                           "//zv name 3 bare",
                                           "//zv name 3 \"\"",
                                           "//zv name x \"not a number\"",
                                           "//zv name 0 \"zero\"",
                                           "//zv name 9 \"past the count\"",
                                           "//zv names 2",
                                           "//zv name 4 \"a later version\"",
                                           "//zv names 1",
                                           "//zv name 5 \"Cinco\"",
                                           "// zv name 6 \"not ours\""}),
                                     6);
    EXPECT_EQ(namesOf(names, 6), (std::vector<std::string>{"", "Dos", "", "", "Cinco", ""}));
}

TEST(NameLines, window_lines_and_name_lines_share_a_file_without_disturbing_each_other) {
    WindowAnchors anchors;
    anchors.set(0, RecordedWindow{"Notes", "NotesWindow", {100, 100, 400, 300}}, 130, 140);
    PointNames names;
    names.set(0, "Aceptar");
    std::vector<std::string> all = file({kHeader, "N\xFAmero de puntos = 1", "130,140"});
    for (const auto& l : anchorLines(anchors, 1)) all.push_back(l);
    for (const auto& l : nameLines(names, 1)) all.push_back(l);
    EXPECT_EQ(readNameLines(all, 1).nameOf(0), "Aceptar");
    EXPECT_EQ(anchorLines(readAnchorLines(all, 1), 1), anchorLines(anchors, 1));
    // A window line holding \u{...} is not ours to read as a name, nor a window line.
    EXPECT_FALSE(readAnchorLines(file({kHeader, "//zv windows 1", "//zv window 1 0 0 9 9 \"C\" \"\\u{41}\"",
                                       "//zv point 1 1 left 1 top 1"}),
                                 1)
                     .any(1));
}
