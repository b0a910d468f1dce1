#include <gtest/gtest.h>

#include "points/anchor_lines.h"
#include "points/name_lines.h"
#include "points/point_edits.h"
#include "points/point_list.h"

using namespace zv;

namespace {

const RecordedWindow kNotes{"Notes", "NotesWindow", {100, 100, 400, 300}};
const RecordedWindow kCalc{"Calculadora", "CalcWindow", {600, 100, 300, 300}};

struct EditedSet {
    PointSet points;
    WindowAnchors anchors;
    PointNames names;
    SpotPictures pictures;
    PointEdits edits{{points, anchors, names, pictures}};

    EditedSet(std::initializer_list<std::pair<int, int>> at) {
        for (auto [x, y] : at) points.append(x, y);
    }
    // The set as the editor's list shows it, one row per point, its cells joined by blanks
    // and the name column left out, which the tests of names look at.
    std::string shown() const {
        std::string text;
        for (const auto& row : pointListRows(edits.records())) {
            if (!text.empty()) text += "; ";
            for (size_t i = 0; i < row.size(); ++i)
                if (i != 1) text += (i ? " " : "") + row[i];
        }
        return text;
    }
    // Each point's name as the list shows it, by point.
    std::string named() const {
        std::string text;
        const auto rows = pointListRows(edits.records());
        for (size_t i = 0; i < rows.size(); ++i) text += (i ? ";" : "") + rows[i][1];
        return text;
    }
};

}  // namespace

TEST(PointEdits, points_move_with_their_windows_and_a_deleted_point_takes_its_window_along) {
    EditedSet s({{130, 140}, {470, 150}, {700, 380}});
    s.anchors.set(0, kNotes, 130, 140);
    s.anchors.set(2, kCalc, 700, 380);
    EXPECT_EQ(s.shown(), "1 130 140 Notes; 2 470 150 ; 3 700 380 Calculadora");
    ASSERT_TRUE(s.edits.moveDown(0));
    EXPECT_EQ(s.shown(), "1 470 150 ; 2 130 140 Notes; 3 700 380 Calculadora");
    ASSERT_TRUE(s.edits.remove(1));
    EXPECT_EQ(s.shown(), "1 470 150 ; 2 700 380 Calculadora");
    // The file written from it names only the window a point still uses, for the right point.
    EXPECT_EQ(anchorLines(s.anchors, s.points.PointCount),
              (std::vector<std::string>{"//zv windows 1", "//zv window 1 600 100 300 300 \"CalcWindow\" \"Calculadora\"",
                                        "//zv point 2 1 left 100 bottom 20"}));
    ASSERT_TRUE(s.edits.insertAfter(0, 650, 160, kCalc));
    EXPECT_EQ(s.shown(), "1 470 150 ; 2 650 160 Calculadora; 3 700 380 Calculadora");
    // Placed again without a window, a point is a screen position: no window of before.
    ASSERT_TRUE(s.edits.place(2, 50, 60, std::nullopt));
    EXPECT_EQ(s.shown(), "1 470 150 ; 2 650 160 Calculadora; 3 50 60 ");
    EXPECT_FALSE(s.anchors.anchorOf(2));
}

TEST(PointEdits, changes_that_cannot_be_made_change_nothing_and_are_not_remembered) {
    EditedSet s({{10, 10}, {20, 20}});
    EXPECT_FALSE(s.edits.moveUp(0));
    EXPECT_FALSE(s.edits.moveDown(1));
    EXPECT_FALSE(s.edits.moveDown(-1));
    EXPECT_FALSE(s.edits.remove(2));
    EXPECT_FALSE(s.edits.remove(-1));
    EXPECT_FALSE(s.edits.place(2, 1, 1, std::nullopt));
    EXPECT_FALSE(s.edits.insertAfter(2, 1, 1, std::nullopt));
    EXPECT_FALSE(s.edits.canUndo());
    EXPECT_EQ(s.shown(), "1 10 10 ; 2 20 20 ");
    // "Before the first" is a place a new point may go.
    ASSERT_TRUE(s.edits.insertAfter(-1, 5, 5, std::nullopt));
    EXPECT_EQ(s.shown(), "1 5 5 ; 2 10 10 ; 3 20 20 ");

    // A full set takes no more points: nothing is ever written past the storage.
    EditedSet full({});
    for (int i = 0; i < PointSet::kCapacity; ++i) full.points.append(i + 1, i + 1);
    EXPECT_FALSE(full.edits.insertAfter(PointSet::kCapacity - 1, 1, 1, std::nullopt));
    EXPECT_FALSE(full.edits.insertAfter(0, 1, 1, std::nullopt));
    EXPECT_EQ(full.points.PointCount, PointSet::kCapacity);
    ASSERT_TRUE(full.edits.moveUp(PointSet::kCapacity - 1));
    EXPECT_EQ(full.points.Points[PointSet::kCapacity - 2], (std::pair<int32_t, int32_t>{1001, 1001}));
}

TEST(PointEdits, undo_takes_back_the_last_twenty_changes_one_by_one_windows_included) {
    EditedSet s({{10, 10}, {20, 20}, {30, 30}});
    s.anchors.set(1, kNotes, 20, 20);
    const std::string before = s.shown();
    ASSERT_TRUE(s.edits.remove(1));
    ASSERT_TRUE(s.edits.place(0, 99, 99, kCalc));
    EXPECT_EQ(s.shown(), "1 99 99 Calculadora; 2 30 30 ");
    ASSERT_TRUE(s.edits.undo());
    EXPECT_EQ(s.shown(), "1 10 10 ; 2 30 30 ");
    ASSERT_TRUE(s.edits.undo());
    EXPECT_EQ(s.shown(), before);
    EXPECT_FALSE(s.edits.undo());

    // Twenty-five changes: the first five can no longer be taken back.
    for (int i = 0; i < 25; ++i) ASSERT_TRUE(s.edits.place(0, 100 + i, 100 + i, std::nullopt));
    int undone = 0;
    while (s.edits.undo()) ++undone;
    EXPECT_EQ(undone, PointEdits::kUndoDepth);
    EXPECT_EQ(s.shown(), "1 104 104 ; 2 20 20 Notes; 3 30 30 ");
    // Forgotten, as when the editor opens over another set.
    ASSERT_TRUE(s.edits.remove(0));
    s.edits.forget();
    EXPECT_FALSE(s.edits.undo());
}

TEST(PointEdits, names_travel_with_their_points_through_every_change_and_back) {
    EditedSet s({{10, 10}, {20, 20}, {30, 30}, {40, 40}});
    s.names.set(0, "Uno");
    s.names.set(1, "Dos");
    s.names.set(3, "Cuatro");
    s.anchors.set(1, kNotes, 20, 20);
    ASSERT_TRUE(s.edits.remove(0));
    EXPECT_EQ(s.named(), "Dos;;Cuatro");
    ASSERT_TRUE(s.edits.moveDown(1));
    EXPECT_EQ(s.named(), "Dos;Cuatro;");
    EXPECT_EQ(s.shown(), "1 20 20 Notes; 2 40 40 ; 3 30 30 ");
    // The name read for saying and saving is the moved point's, at its new index.
    EXPECT_EQ(spokenName(s.names, 1), "Cuatro");
    EXPECT_EQ(spokenName(s.names, 2), "3");
    // Placed again, a point keeps its name; a new point has none, and pushes the names on.
    ASSERT_TRUE(s.edits.place(1, 500, 500, kCalc));
    EXPECT_EQ(s.names.nameOf(1), "Cuatro");
    ASSERT_TRUE(s.edits.insertAfter(-1, 5, 5, std::nullopt));
    EXPECT_EQ(s.named(), ";Dos;Cuatro;");
    EXPECT_EQ(nameLines(s.names, s.points.PointCount),
              (std::vector<std::string>{"//zv names 1", "//zv name 2 \"Dos\"", "//zv name 3 \"Cuatro\""}));
    // Every change taken back: each name on its point as at first.
    while (s.edits.undo()) {
    }
    EXPECT_EQ(s.named(), "Uno;Dos;;Cuatro");
    EXPECT_EQ(s.shown(), "1 10 10 ; 2 20 20 Notes; 3 30 30 ; 4 40 40 ");
}

TEST(PointEdits, a_rename_is_a_change_like_the_others_and_an_empty_name_takes_the_name_away) {
    EditedSet s({{10, 10}, {20, 20}});
    s.names.set(1, "Dos");
    EXPECT_FALSE(s.edits.rename(1, "Dos"));
    EXPECT_FALSE(s.edits.rename(2, "Tres"));
    EXPECT_FALSE(s.edits.canUndo());
    ASSERT_TRUE(s.edits.rename(0, "\xCE\x9A\xCE\xB1\xCE\xBB\xCE\xAC"));   // Greek: shown as question marks
    ASSERT_TRUE(s.edits.rename(1, ""));
    EXPECT_EQ(s.named(), "????;");
    EXPECT_EQ(spokenName(s.names, 1), "2");
    EXPECT_EQ(nameLines(s.names, 2),
              (std::vector<std::string>{"//zv names 1", "//zv name 1 \"\\u{39A}\\u{3B1}\\u{3BB}\\u{3AC}\""}));
    ASSERT_TRUE(s.edits.undo());
    EXPECT_EQ(s.names.nameOf(1), "Dos");
    ASSERT_TRUE(s.edits.undo());
    EXPECT_EQ(s.named(), ";Dos");
}

TEST(PointEdits, a_name_left_past_the_set_is_not_inherited_by_a_point_added_after_a_delete) {
    EditedSet s({{10, 10}, {20, 20}});
    s.names.set(1, "Dos");
    ASSERT_TRUE(s.edits.remove(1));
    ASSERT_TRUE(s.edits.insertAfter(0, 30, 30, std::nullopt));
    EXPECT_EQ(s.named(), ";");
    EXPECT_TRUE(nameLines(s.names, 2).empty());
}

// The check before the click compares a point's spot with its own picture: a picture left
// on another point after an edit would refuse that point's clicks, or pass a wrong one.
TEST(PointEdits, pictures_travel_with_their_points_and_a_point_placed_again_loses_its_old_one) {
    EditedSet s({{10, 10}, {20, 20}, {30, 30}});
    s.pictures.set(0, ScreenPixels(2, 2, 0x111111));
    s.pictures.set(2, ScreenPixels(2, 2, 0x333333));
    ASSERT_TRUE(s.edits.remove(1));
    ASSERT_NE(s.pictures.of(1), nullptr);
    EXPECT_EQ(s.pictures.of(1)->pixels.front(), 0x333333u);
    ASSERT_TRUE(s.edits.moveUp(1));
    EXPECT_EQ(s.pictures.of(0)->pixels.front(), 0x333333u);
    EXPECT_EQ(s.pictures.of(1)->pixels.front(), 0x111111u);
    ASSERT_TRUE(s.edits.insertAfter(-1, 5, 5, std::nullopt));
    EXPECT_EQ(s.pictures.of(0), nullptr);
    EXPECT_EQ(s.pictures.of(1)->pixels.front(), 0x333333u);
    ASSERT_TRUE(s.edits.place(1, 500, 500, std::nullopt));
    EXPECT_EQ(s.pictures.of(1), nullptr);
    while (s.edits.undo()) {
    }
    EXPECT_EQ(s.pictures.of(0)->pixels.front(), 0x111111u);
    EXPECT_EQ(s.pictures.of(1), nullptr);
    EXPECT_EQ(s.pictures.of(2)->pixels.front(), 0x333333u);
}
