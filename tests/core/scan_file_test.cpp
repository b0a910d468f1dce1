#include "points/scan_file.h"

#include <gtest/gtest.h>

#include "platform/numbers.h"

using namespace zv;

namespace {

std::vector<std::string> file(std::initializer_list<const char*> lines) { return {lines.begin(), lines.end()}; }

const char* kHeader = "Projecte Brisal 2001 - Zentavoro v: 1";

PointSet filledWith(int32_t value) {
    PointSet p;
    for (auto& pt : p.Points) pt = {value, value};
    p.PointCount = 7;
    return p;
}

}  // namespace

TEST(ScanFileLines, every_line_end_ends_a_line) {
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(splitLines("").empty());
    EXPECT_EQ(joinLines({"x", "y"}), "x\r\ny\r\n");
}

TEST(ScanFileComments, comment_lines_go_everywhere_but_the_first_line) {
    auto lines = file({"// a", kHeader, "// b", "N\xFAmero de puntos = 1", "//c", "5,6"});
    dropComments(lines);
    EXPECT_EQ(lines, file({"// a", kHeader, "N\xFAmero de puntos = 1", "5,6"}));
}

TEST(ScanFileReading, reads_the_announced_points_and_ignores_the_rest) {
    PointSet p;
    auto lines = file({kHeader, "N\xFAmero de puntos =  2", "120,45", "300, 610", "7,7", "garbage"});
    ASSERT_EQ(readScanFile(lines, p), ScanFileError::None);
    EXPECT_EQ(p.PointCount, 2);
    EXPECT_EQ(p.Points[0], (std::pair<int32_t, int32_t>{120, 45}));
    EXPECT_EQ(p.Points[1], (std::pair<int32_t, int32_t>{300, 610}));
    EXPECT_EQ(p.Points[2], (std::pair<int32_t, int32_t>{100, 100}));
}

TEST(ScanFileReading, numbers_take_sign_and_hexadecimal) {
    PointSet p;
    ASSERT_EQ(readScanFile(file({kHeader, "N\xFAmero de puntos = $2", "$10,+20", "  3,$a"}), p), ScanFileError::None);
    EXPECT_EQ(p.Points[0], (std::pair<int32_t, int32_t>{16, 20}));
    EXPECT_EQ(p.Points[1], (std::pair<int32_t, int32_t>{3, 10}));
}

TEST(ScanFileReading, a_refused_header_or_label_leaves_the_set_untouched) {
    PointSet p = filledWith(9);
    EXPECT_EQ(readScanFile({}, p), ScanFileError::Header);
    EXPECT_EQ(readScanFile(file({"\xEF\xBB\xBFProjecte Brisal 2001 - Zentavoro v: 1"}), p), ScanFileError::Header);
    EXPECT_EQ(readScanFile(file({"projecte Brisal 2001 - Zentavoro v: 1"}), p), ScanFileError::Header);
    EXPECT_EQ(readScanFile(file({kHeader}), p), ScanFileError::Label);
    // The label in UTF-8 is not the label.
    EXPECT_EQ(readScanFile(file({kHeader, "N\xC3\xBAmero de puntos = 1", "5,5"}), p), ScanFileError::Label);
    EXPECT_EQ(readScanFile(file({kHeader, "N\xFAmero de puntos ="}), p), ScanFileError::Label);
    EXPECT_EQ(p.PointCount, 7);
    EXPECT_EQ(p.Points[0].first, 9);
}

TEST(ScanFileReading, a_count_that_is_no_number_raises_the_general_report_untouched) {
    PointSet p = filledWith(9);
    try {
        readScanFile(file({kHeader, "N\xFAmero de puntos = 3 ", "1,1"}), p);
        FAIL() << "no error raised";
    } catch (const ProgramError& e) {
        EXPECT_STREQ(e.what(), "'3 ' is not a valid integer value");
    }
    EXPECT_THROW(readScanFile(file({kHeader, "N\xFAmero de puntos = "}), p), ProgramError);
    EXPECT_EQ(p.PointCount, 7);
}

TEST(ScanFileReading, counts_below_one_and_bad_points_empty_the_set) {
    PointSet p = filledWith(9);
    EXPECT_EQ(readScanFile(file({kHeader, "N\xFAmero de puntos = 0"}), p), ScanFileError::CountNotPositive);
    EXPECT_EQ(p.PointCount, 0);

    for (auto bad : {"0,5", "5,0", "5 ,6", "56", "5,6 ", "a,6", "5,-1"}) {
        p = filledWith(9);
        EXPECT_EQ(readScanFile(file({kHeader, "N\xFAmero de puntos = 2", "4,4", bad}), p), ScanFileError::Points) << bad;
        EXPECT_EQ(p.PointCount, 0) << bad;
    }
    p = filledWith(9);
    EXPECT_EQ(readScanFile(file({kHeader, "N\xFAmero de puntos = 3", "4,4", "5,5"}), p), ScanFileError::Points);
    EXPECT_EQ(p.PointCount, 0);
}

TEST(ScanFileReading, more_points_than_the_set_holds_are_refused) {
    PointSet p;
    std::vector<std::string> lines{kHeader, "N\xFAmero de puntos = 1002"};
    for (int i = 0; i < 1002; ++i) lines.push_back("1,1");
    EXPECT_EQ(readScanFile(lines, p), ScanFileError::Points);
    EXPECT_EQ(p.PointCount, 0);
    lines[1] = "N\xFAmero de puntos = 1001";
    EXPECT_EQ(readScanFile(lines, p), ScanFileError::None);
    EXPECT_EQ(p.PointCount, 1001);
}

TEST(ScanFileWriting, writes_header_count_and_points_that_read_back) {
    PointSet p;
    p.append(120, 45);
    p.append(-3, 610);
    const auto lines = scanFileLines(p);
    EXPECT_EQ(joinLines(lines),
              "Projecte Brisal 2001 - Zentavoro v: 1\r\nN\xFAmero de puntos = 2\r\n120,45\r\n-3,610\r\n");
    PointSet empty;
    EXPECT_EQ(joinLines(scanFileLines(empty)), "Projecte Brisal 2001 - Zentavoro v: 1\r\nN\xFAmero de puntos = 0\r\n");
}

TEST(PointSetCapacity, appending_stops_at_the_capacity) {
    PointSet p;
    for (int i = 0; i < PointSet::kCapacity; ++i) ASSERT_TRUE(p.append(i + 1, 1));
    EXPECT_FALSE(p.append(5, 5));
    EXPECT_EQ(p.PointCount, PointSet::kCapacity);
}

TEST(ScanFileLoading, keeps_the_text_of_every_line_and_only_the_lines_reading_can_reach) {
    const std::string bytes = std::string(kHeader) + "\r// note\nN\xFAmero de puntos = 2\r\n\r\n//x\r5,6\n\n";
    const LoadedLines loaded = loadLines(bytes);
    EXPECT_EQ(loaded.text, std::string(kHeader) + "\r\n// note\r\nN\xFAmero de puntos = 2\r\n\r\n//x\r\n5,6\r\n");
    auto all = splitLines(bytes);
    dropComments(all);
    EXPECT_EQ(loaded.lines, all);

    // A file of a hundred thousand point lines: reading never looks past the largest set.
    std::string many = std::string(kHeader) + "\r\n// a comment first\r\nN\xFAmero de puntos = 1001\r\n";
    for (int i = 0; i < 100000; ++i) many += "1,2\r\n";
    const LoadedLines bounded = loadLines(many);
    ASSERT_EQ(bounded.lines.size(), static_cast<size_t>(PointSet::kCapacity) + 2);
    EXPECT_EQ(bounded.lines[1], "N\xFAmero de puntos = 1001");
    PointSet p;
    EXPECT_EQ(readScanFile(bounded.lines, p), ScanFileError::None);
    EXPECT_EQ(p.PointCount, 1001);
    EXPECT_EQ(bounded.text.size(), many.size() - 2);  // every line end kept but the last
}

TEST(ScanFileLoading, a_first_line_that_looks_like_a_comment_is_still_the_first_line) {
    const LoadedLines loaded = loadLines("// a\r\n// b\r\nc");
    EXPECT_EQ(loaded.lines, file({"// a", "c"}));
    EXPECT_EQ(loaded.text, "// a\r\n// b\r\nc");
    EXPECT_TRUE(loadLines("").lines.empty());
    EXPECT_EQ(loadLines("\r\r").text, "\r\n");
}
