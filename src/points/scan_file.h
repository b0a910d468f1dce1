#pragma once
// The scan file: a header line, a count line and one "x,y" line per point, code page 1252,
// every line written ending with CR LF.

#include <cstddef>
#include <string>
#include <vector>

#include "points/point_set.h"

namespace zv {

inline constexpr const char* kScanFileHeader = "Projecte Brisal 2001 - Zentavoro v: 1";
inline constexpr const char* kScanFileLabel = "N\xFA" "mero de puntos = ";

// A larger file is refused before it is read: a real scan file of the largest point set
// takes some 25 kB.
inline constexpr size_t kLargestScanFile = size_t{16} << 20;

// CR LF, a lone LF and a lone CR each end a line; a last line without an end counts too.
std::vector<std::string> splitLines(const std::string& bytes);
std::string joinLines(const std::vector<std::string>& lines);

// Removes every line after the first whose first two characters are "//".
void dropComments(std::vector<std::string>& lines);

// What loading needs of a file, in one pass over its bytes: the text of the line buffer
// (its lines joined by CR LF) and the lines that reading can reach, comments dropped:
// the header, the count line and at most the largest point set's lines. Reading these
// gives what reading every line would, at a cost that stays linear in the file's size
// however many lines it holds.
struct LoadedLines {
    std::string text;
    std::vector<std::string> lines;
};
LoadedLines loadLines(const std::string& bytes);

enum class ScanFileError { None, Header, Label, CountNotPositive, Points };

// Reads the lines (comments already dropped) into the point set, changing it exactly as
// far as the reading got: a refused header or label leaves it untouched, a count of 0 or
// less or a bad point line leaves it empty. A count that is no number raises ProgramError
// before anything changes.
ScanFileError readScanFile(const std::vector<std::string>& lines, PointSet& points);

std::vector<std::string> scanFileLines(const PointSet& points);

}  // namespace zv
