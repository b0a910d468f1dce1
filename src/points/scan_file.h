#pragma once
// The scan file: a header line, a count line and one "x,y" line per point, code page 1252,
// every line written ending with CR LF.

#include <string>
#include <vector>

#include "points/point_set.h"

namespace zv {

inline constexpr const char* kScanFileHeader = "Projecte Brisal 2001 - Zentavoro v: 1";
inline constexpr const char* kScanFileLabel = "N\xFA" "mero de puntos = ";

// CR LF, a lone LF and a lone CR each end a line; a last line without an end counts too.
std::vector<std::string> splitLines(const std::string& bytes);
std::string joinLines(const std::vector<std::string>& lines);

// Removes every line after the first whose first two characters are "//".
void dropComments(std::vector<std::string>& lines);

enum class ScanFileError { None, Header, Label, CountNotPositive, Points };

// Reads the lines (comments already dropped) into the point set, changing it exactly as
// far as the reading got: a refused header or label leaves it untouched, a count of 0 or
// less or a bad point line leaves it empty. A count that is no number raises ProgramError
// before anything changes.
ScanFileError readScanFile(const std::vector<std::string>& lines, PointSet& points);

std::vector<std::string> scanFileLines(const PointSet& points);

}  // namespace zv
