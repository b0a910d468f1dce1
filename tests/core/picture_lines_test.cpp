#include <gtest/gtest.h>

#include "points/picture_lines.h"
#include "points/scan_file.h"

using namespace zv;

namespace {

// A picture with long runs, short runs, every colour of a gradient and unseen pixels.
ScreenPixels sample(int w, int h) {
    ScreenPixels p(w, h, 0xF0F0F0);
    for (int x = 0; x < w; ++x) p.at(x, h / 2) = static_cast<uint32_t>(x * 0x010305);
    for (int y = 0; y < 3 && y < h; ++y)
        for (int x = 0; x < w; ++x) p.at(x, y) = ScreenPixels::kUnseen;
    p.at(w - 1, h - 1) = 0x123456;
    return p;
}

std::string text(const std::vector<std::string>& lines) { return joinLines(lines); }

}  // namespace

TEST(PictureLines, pixels_come_back_as_written_with_four_bits_a_channel) {
    for (auto [w, h] : {std::pair{32, 32}, {96, 96}, {1, 1}, {500, 300}}) {
        const ScreenPixels p = sample(w, h);
        const auto back = decodePixels(encodePixels(p), w, h);
        ASSERT_TRUE(back) << w;
        EXPECT_EQ(*back, asStored(p));
    }
    // Stored colours are the nearest of 16 levels a channel (9 is nearer 0x11 than 0, 246
    // nearer 0xEE than 0xFF); unseen stays unseen.
    ScreenPixels p(2, 1);
    p.at(0, 0) = 0x09F6FF;
    EXPECT_EQ(asStored(p).at(0, 0), 0x11EEFFu);
    EXPECT_EQ(asStored(p).at(1, 0), ScreenPixels::kUnseen);
    // A plain spot is a few tokens: 96 x 96 of one colour in four (8 bytes, 12 characters).
    EXPECT_EQ(encodePixels(ScreenPixels(96, 96, 0xFFFFFF)).size(), 12u);
}

TEST(PictureLines, a_picture_that_does_not_make_up_its_size_is_no_picture) {
    const std::string good = encodePixels(sample(32, 32));
    EXPECT_FALSE(decodePixels(good, 32, 31));
    EXPECT_FALSE(decodePixels(good, 32, 33));
    EXPECT_FALSE(decodePixels(good.substr(0, good.size() - 4), 32, 32));
    EXPECT_FALSE(decodePixels(good + "!!!!", 32, 32));
    EXPECT_FALSE(decodePixels(good.substr(1), 32, 32));
    EXPECT_FALSE(decodePixels("", 32, 32));
    EXPECT_FALSE(decodePixels(good, 0, 32));
    EXPECT_FALSE(decodePixels(good, 100000, 32));
    // "The previous colour again" with no colour before it.
    EXPECT_FALSE(decodePixels("4AA=", 1, 1));
}

TEST(PictureLines, lines_hold_each_points_picture_in_pieces_and_read_back) {
    SpotPictures pictures;
    EXPECT_TRUE(pictureLines(pictures, 1001).empty());
    pictures.set(0, sample(32, 32));
    pictures.set(2, ScreenPixels(64, 64, 0xFFFFFF));
    pictures.set(5, sample(32, 32));   // past the count: not written
    const auto lines = pictureLines(pictures, 3);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], "//zv pictures 1");
    EXPECT_EQ(lines[1], "//zv picture 1 32 32");
    for (const std::string& line : lines) EXPECT_LE(line.size(), 96u) << line;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "//zv picture 3 64 64"), 1);

    const std::string file = text({"Projecte Brisal 2001 - Zentavoro v: 1", "N\xFAmero de puntos = 3", "1,1", "2,2", "3,3"}) +
                             "\r\n" + text(lines);
    const SpotPictures read = readPictureLinesOf(file, 3);
    ASSERT_TRUE(read.of(0) && read.of(2));
    EXPECT_EQ(*read.of(0), asStored(sample(32, 32)));
    EXPECT_EQ(*read.of(2), ScreenPixels(64, 64, 0xFFFFFF));
    EXPECT_FALSE(read.of(1));
    // Read with a smaller count, the points past it have none.
    EXPECT_FALSE(readPictureLinesOf(file, 2).of(2));
    EXPECT_TRUE(readPictureLinesOf(file, 2).of(0));
}

TEST(PictureLines, lines_not_read_as_described_leave_their_point_without_a_picture) {
    const std::string pixels = encodePixels(ScreenPixels(8, 8, 0xFFFFFF));
    auto read = [](const std::string& lines) { return readPictureLinesOf("Projecte\r\n" + lines, 4); };
    const std::string one = "//zv picture 1 8 8\r\n//zv pixels 1 " + pixels + "\r\n";
    EXPECT_TRUE(read("//zv pictures 1\r\n" + one).of(0));
    // Words past those described are for later versions.
    EXPECT_TRUE(read("//zv pictures 1 more\r\n//zv picture 1 8 8 more\r\n//zv pixels 1 " + pixels + " more\r\n").of(0));
    // No version line, or a later version.
    EXPECT_FALSE(read(one).of(0));
    EXPECT_FALSE(read("//zv pictures 2\r\n" + one).of(0));
    // A later version, then ours again.
    EXPECT_TRUE(read("//zv pictures 2\r\n//zv picture 2 8 8\r\n//zv pictures 1\r\n" + one).of(0));
    // Two picture lines for one point; pixels before the picture line; a wrong size.
    EXPECT_FALSE(read("//zv pictures 1\r\n" + one + "//zv picture 1 8 8\r\n").of(0));
    EXPECT_FALSE(read("//zv pictures 1\r\n//zv pixels 1 " + pixels + "\r\n" + one).of(0));
    EXPECT_FALSE(read("//zv pictures 1\r\n//zv picture 1 8 9\r\n//zv pixels 1 " + pixels + "\r\n").of(0));
    EXPECT_FALSE(read("//zv pictures 1\r\n//zv picture 0 8 8\r\n//zv pixels 0 " + pixels + "\r\n").of(0));
    EXPECT_FALSE(read("//zv pictures 1\r\n//zv picture x 8 8\r\n").of(0));
    // One point's bad lines leave the others' pictures alone.
    const auto mixed = read("//zv pictures 1\r\n" + one + "//zv picture 2 8 8\r\n//zv pixels 2 ####\r\n");
    EXPECT_TRUE(mixed.of(0));
    EXPECT_FALSE(mixed.of(1));
    // The window lines' version does not open ours.
    EXPECT_FALSE(read("//zv windows 1\r\n" + one).of(0));
}
