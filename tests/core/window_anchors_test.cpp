#include <gtest/gtest.h>

#include "points/anchor_lines.h"
#include "points/window_anchors.h"

using namespace zv;

namespace {

const char* kHeader = "Projecte Brisal 2001 - Zentavoro v: 1";

std::vector<std::string> file(std::initializer_list<const char*> lines) { return {lines.begin(), lines.end()}; }

const RecordedWindow kNotes{"Notes", "NotesWindow", {100, 100, 400, 300}};

}  // namespace

TEST(PointAnchors, a_point_keeps_its_distance_from_the_nearer_edges) {
    // Right edge at 500, bottom edge at 400 (the first column and row past the window).
    EXPECT_EQ(anchorIn(kNotes.rect, 130, 140), (PointAnchor{0, false, false, 30, 40}));
    EXPECT_EQ(anchorIn(kNotes.rect, 470, 380), (PointAnchor{0, true, true, 30, 20}));
    EXPECT_EQ(anchorIn(kNotes.rect, 499, 399), (PointAnchor{0, true, true, 1, 1}));
    // Halfway across, the left and the top edge: a resize leaves them where they are.
    EXPECT_EQ(anchorIn(kNotes.rect, 300, 250), (PointAnchor{0, false, false, 200, 150}));

    const Rect moved{250, 180, 500, 350};
    EXPECT_EQ(placeIn(anchorIn(kNotes.rect, 130, 140), moved), (std::pair{280, 220}));
    EXPECT_EQ(placeIn(anchorIn(kNotes.rect, 470, 380), moved), (std::pair{720, 510}));
    // In the window as recorded, every point is where it was recorded.
    for (auto [x, y] : {std::pair{100, 100}, {499, 399}, {300, 250}, {101, 398}})
        EXPECT_EQ(placeIn(anchorIn(kNotes.rect, x, y), kNotes.rect), (std::pair{x, y}));
}

TEST(PointAnchors, a_placed_point_never_leaves_its_window) {
    const PointAnchor farFromLeft{0, false, false, 350, 250};
    EXPECT_EQ(placeIn(farFromLeft, Rect{10, 20, 100, 80}), (std::pair{109, 99}));
    const PointAnchor farFromRight{0, true, true, 350, 250};
    EXPECT_EQ(placeIn(farFromRight, Rect{10, 20, 100, 80}), (std::pair{10, 20}));
    // Negative distances come only from a file edited by hand.
    const PointAnchor outside{0, false, true, -40, -40};
    EXPECT_EQ(placeIn(outside, Rect{-500, 0, 400, 300}), (std::pair{-500, 299}));
}

TEST(PointAnchors, points_share_a_window_and_forget_it_one_by_one) {
    WindowAnchors a;
    EXPECT_FALSE(a.any(1001));
    a.set(0, kNotes, 130, 140);
    a.set(2, kNotes, 470, 150);
    a.set(5, RecordedWindow{"Other", "", {0, 0, 10, 10}}, 1, 1);
    EXPECT_EQ(a.windows().size(), 2u);
    EXPECT_EQ(a.anchorOf(2)->window, a.anchorOf(0)->window);
    EXPECT_FALSE(a.anchorOf(1));
    EXPECT_FALSE(a.anchorOf(6));
    EXPECT_FALSE(a.anchorOf(-1));
    EXPECT_TRUE(a.any(1));
    EXPECT_FALSE(a.any(0));
    a.unset(0);
    a.unset(2);
    EXPECT_FALSE(a.any(5));
    EXPECT_TRUE(a.any(6));
    // Nothing is stored past the point set's capacity.
    a.set(PointSet::kCapacity, kNotes, 130, 140);
    EXPECT_FALSE(a.anchorOf(PointSet::kCapacity));
    a.clear();
    EXPECT_FALSE(a.any(1001));
    EXPECT_TRUE(a.windows().empty());
}

TEST(AnchorLines, none_are_written_for_points_without_a_window) {
    WindowAnchors a;
    EXPECT_TRUE(anchorLines(a, 3).empty());
    a.set(3, kNotes, 130, 140);
    EXPECT_TRUE(anchorLines(a, 3).empty());
}

TEST(AnchorLines, the_windows_the_points_use_are_numbered_in_order_of_first_use) {
    WindowAnchors a;
    const RecordedWindow unused{"Gone", "GoneWindow", {0, 0, 50, 50}};
    const RecordedWindow game{"Juego", "GameWindow", {0, 0, 1024, 768}};
    a.set(4, unused, 1, 1);
    a.set(0, game, 1000, 10);
    a.set(1, kNotes, 130, 140);
    a.set(3, game, 20, 700);
    EXPECT_EQ(anchorLines(a, 4), file({"//zv windows 1", "//zv window 1 0 0 1024 768 \"GameWindow\" \"Juego\"",
                                       "//zv window 2 100 100 400 300 \"NotesWindow\" \"Notes\"",
                                       "//zv point 1 1 right 24 top 10", "//zv point 2 2 left 30 top 40",
                                       "//zv point 4 1 left 20 bottom 68"}));
}

TEST(AnchorLines, what_is_written_reads_back_the_same_whatever_the_title_holds) {
    WindowAnchors a;
    const RecordedWindow odd{"Caf\xE9 \"Bar\" C:\\x\r\nline\x7F" "end", "", {-1280, -20, 1, 1}};
    a.set(0, odd, -1280, -20);
    a.set(1, kNotes, 470, 380);
    a.set(2, RecordedWindow{"", "Class with blanks", {5, 5, 10, 10}}, 9, 9);
    std::vector<std::string> lines = {kHeader, "N\xFAmero de puntos = 3", "1,1", "2,2", "3,3"};
    const auto written = anchorLines(a, 3);
    EXPECT_EQ(written[1], "//zv window 1 -1280 -20 1 1 \"\" \"Caf\xE9 \\\"Bar\\\" C:\\\\x\\x0D\\x0Aline\\x7F" "end\"");
    lines.insert(lines.end(), written.begin(), written.end());
    const WindowAnchors back = readAnchorLines(lines, 3);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(back.anchorOf(i)) << i;
        EXPECT_EQ(back.window(back.anchorOf(i)->window), a.window(a.anchorOf(i)->window)) << i;
        PointAnchor x = *back.anchorOf(i), y = *a.anchorOf(i);
        x.window = y.window = 0;
        EXPECT_EQ(x, y) << i;
    }
    EXPECT_EQ(anchorLines(back, 3), written);
}

TEST(AnchorLines, lines_that_are_not_ours_or_not_sound_leave_their_points_alone) {
    const auto lines = file({kHeader, "N\xFAmero de puntos = 9", "//zv window 1 0 0 10 10 \"C\" \"before the version\"",
                             "//zv point 9 1 left 1 top 1", "// a carer's note", "//zv windows 1",
                             "//zv window 1 100 100 400 300 \"NotesWindow\" \"Notes\"",
                             "//zv window 2 0 0 10 10 \"C\" \"unterminated", "//zv window 3 0 0 -1 10 \"C\" \"T\"",
                             "//zv window 4 0 0 10 10 \"C\" \"bad \\q escape\"",
                             "//zv window 5 0 0 10 10 \"C\" \"later fields\" 7 extra",
                             "//zv point 1 1 left 30 top 40", "//zv point 2 1 middle 30 top 40",
                             "//zv point 3 1 left 3O top 40", "//zv point 4 2 left 1 top 1", "//zv point 5 3 left 1 top 1",
                             "//zv point 6 4 left 1 top 1", "//zv point 7 5 right 2 bottom 3 and more",
                             "//zv point 10 1 left 1 top 1", "//zv point 0 1 left 1 top 1", "//zv point 1 5 left 9 top 9",
                             "//ZV point 8 1 left 1 top 1", "//zv  point 8 1 left 1 top 1"});
    const WindowAnchors a = readAnchorLines(lines, 9);
    ASSERT_TRUE(a.anchorOf(0));
    EXPECT_EQ(a.window(a.anchorOf(0)->window), kNotes);
    EXPECT_EQ(*a.anchorOf(0), (PointAnchor{a.anchorOf(0)->window, false, false, 30, 40}));
    for (int i : {1, 2, 3, 4, 5}) EXPECT_FALSE(a.anchorOf(i)) << i;
    ASSERT_TRUE(a.anchorOf(6));
    EXPECT_EQ(a.window(a.anchorOf(6)->window).title, "later fields");
    EXPECT_TRUE(a.anchorOf(6)->fromRight);
    EXPECT_TRUE(a.anchorOf(6)->fromBottom);
    // Extra blanks between the words are blanks all the same.
    ASSERT_TRUE(a.anchorOf(7));
    // Only the points the file announces.
    EXPECT_FALSE(a.anchorOf(8));
    EXPECT_FALSE(a.anchorOf(9));
}

TEST(AnchorLines, a_later_version_is_not_read) {
    const auto lines = file({kHeader, "N\xFAmero de puntos = 2", "//zv windows 2",
                             "//zv window 1 100 100 400 300 \"NotesWindow\" \"Notes\"", "//zv point 1 1 left 30 top 40",
                             "//zv windows 1", "//zv window 1 100 100 400 300 \"NotesWindow\" \"Notes\"",
                             "//zv point 2 1 left 30 top 40"});
    const WindowAnchors a = readAnchorLines(lines, 2);
    EXPECT_FALSE(a.anchorOf(0));
    EXPECT_TRUE(a.anchorOf(1));
    // The first line of a file is never a comment.
    EXPECT_FALSE(readAnchorLines(file({"//zv windows 1", "//zv window 1 0 0 9 9 \"C\" \"T\"", "//zv point 1 1 left 1 top 1"}),
                                 1)
                     .any(1));
}

namespace zv {
namespace {

TEST(AnchorLines, read_from_the_files_text_they_are_what_reading_every_line_gives) {
    const std::vector<std::string> lines = {
        "Projecte Brisal 2001 - Zentavoro v: 1", "N\xFAmero de puntos = 2", "//zv windows 1", "120,45",
        "//zv window 1 10 20 300 200 \"Cls\" \"Title\"", "300,60", "// a carer's own note", "//zv point 1 1 left 110 top 25",
        "//zv point 2 1 right 9 top 40"};
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
    EXPECT_EQ(anchorLines(readAnchorLinesOf(text, 2), 2), anchorLines(readAnchorLines(lines, 2), 2));
    EXPECT_FALSE(anchorLines(readAnchorLinesOf(text, 2), 2).empty());
    // The header itself is never taken for one of ours.
    EXPECT_TRUE(anchorLines(readAnchorLinesOf("//zv windows 1", 1), 1).empty());
}

}  // namespace
}  // namespace zv
