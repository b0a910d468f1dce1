// The recovery file of a recording in progress reads back as the recording it was.

#include "points/recovery_file.h"

#include <gtest/gtest.h>

using namespace zv;

TEST(RecoveryFile, a_recording_reads_back_with_its_windows_and_its_title_in_any_script) {
    PointSet points;
    points.append(150, 160);
    points.append(300, 350);
    WindowAnchors anchors;
    anchors.set(1, RecordedWindow{"Bloc de notas", "Notepad", Rect{100, 100, 600, 400}}, 300, 350);
    const std::string title = "\xE8\xAE\xA1\xE7\xAE\x97\xE5\x99\xA8 \"1\"\r\n";   // 计算器 "1" and a line break
    const auto back = readRecovery(recoveryText(points, anchors, title));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->points.PointCount, 2);
    EXPECT_EQ(back->points.Points[1], (std::pair<int32_t, int32_t>{300, 350}));
    EXPECT_FALSE(back->anchors.anchorOf(0));
    EXPECT_EQ(back->anchors.anchorOf(1), anchors.anchorOf(1));
    EXPECT_EQ(back->anchors.window(0), anchors.window(0));
    EXPECT_EQ(back->title, title);
}

TEST(RecoveryFile, a_file_without_points_or_not_ours_offers_nothing) {
    EXPECT_FALSE(readRecovery(recoveryText(PointSet{}, WindowAnchors{}, "")));
    EXPECT_FALSE(readRecovery(""));
    EXPECT_FALSE(readRecovery("Projecte Brisal 2001 - Zentavoro v: 1\r\nN\xFAmero de puntos = x\r\n"));
    EXPECT_FALSE(readRecovery("Projecte Brisal 2001 - Zentavoro v: 1\r\nN\xFAmero de puntos = 2\r\n1,1\r\n"));
}
