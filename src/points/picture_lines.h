#pragma once
// The pictures of the points' spots kept in a scan file as comment lines, which every
// reader of the format drops, after the window lines:
//
//   //zv pictures 1
//   //zv picture 1 32 32
//   //zv pixels 1 P+AMfwDw8PDvj4+Pj...
//
// The first line names the version of these lines; a picture line gives a point's number
// and its picture's width and height; the pixels lines that follow give its pixels, in
// pieces of at most 76 characters that join in order. docs/scan-file-format.md describes
// the encoding.

#include <string>
#include <vector>

#include "points/spot_pictures.h"

namespace zv {

inline constexpr int kPictureLinesVersion = 1;

// The pixels of a picture as the text of its pixels lines joined, and back; nothing when
// the text is not a picture of that size.
std::string encodePixels(const ScreenPixels& picture);
std::optional<ScreenPixels> decodePixels(const std::string& text, int width, int height);

// What a picture becomes once written and read back: its colours to four bits a channel.
ScreenPixels asStored(const ScreenPixels& picture);

// The lines of the first `count` points' pictures; none when no such point has one.
std::vector<std::string> pictureLines(const SpotPictures& pictures, int count);

// The pictures of the points 1 to `count` in a file's text as the line buffer holds it
// (its lines joined by CR LF). Lines that are not ours, malformed lines, a later version,
// a picture whose pixels do not add up to its size and points past `count` leave their
// points without a picture.
SpotPictures readPictureLinesOf(const std::string& text, int count);

}  // namespace zv
