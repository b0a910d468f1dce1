#pragma once
// The names of a point set kept in a scan file as comment lines, which every reader of the
// format drops, after the window lines:
//
//   //zv names 1
//   //zv name 1 "Aceptar"
//   //zv name 2 "Calculadora 2"
//   //zv name 3 "\u{039A}\u{03B1}\u{03BB}\u{03AC}"
//
// The first line names the version of these lines; a name line gives a point's number and
// its name, the characters that code page 1252 has as its bytes and every other one as
// \u{HEX}. docs/scan-file-format.md describes it all.

#include <string>
#include <vector>

#include "points/point_names.h"

namespace zv {

inline constexpr int kNameLinesVersion = 1;

// The lines of the first `count` points' names; none when no such point has a name.
std::vector<std::string> nameLines(const PointNames& names, int count);

// The names of the points 1 to `count` in a file's lines (all of them, comments and the
// rest alike). Lines that are not ours, malformed lines, a later version, a second line for
// the same point and points past `count` leave their points without a name.
PointNames readNameLines(const std::vector<std::string>& lines, int count);

// The same from a file's text as the line buffer holds it (its lines joined by CR LF).
PointNames readNameLinesOf(const std::string& text, int count);

}  // namespace zv
