#pragma once
// The windows of a point set kept in a scan file as comment lines, which every reader of
// the format drops, so a file with them still loads anywhere as before:
//
//   //zv windows 1
//   //zv window 1 50 150 600 400 "ZentavoroTarget" "Aplicacio de prova"
//   //zv point 1 1 left 70 top 70
//
// The first line names the version of these lines; a window line gives a window's
// number, its outer rectangle (left, top, width, height), its class and its title; a point
// line gives a point's number, its window's number, and its distance from the nearer
// vertical and the nearer horizontal edge. docs/scan-file-format.md describes it all.

#include <string>
#include <vector>

#include "points/window_anchors.h"

namespace zv {

inline constexpr int kAnchorLinesVersion = 1;

// The lines of the first `count` points' windows; none when no such point has a window.
std::vector<std::string> anchorLines(const WindowAnchors& anchors, int count);

// The windows of the points 1 to `count` named in a file's lines (all of them, comments
// and the rest alike). Lines that are not ours, malformed lines, a later version and
// points past `count` leave their points without a window.
WindowAnchors readAnchorLines(const std::vector<std::string>& lines, int count);

// The same from a file's text as the line buffer holds it (its lines joined by CR LF):
// only the lines of ours are taken out of it, so a file of millions of lines costs no
// more than its bytes.
WindowAnchors readAnchorLinesOf(const std::string& text, int count);

}  // namespace zv
