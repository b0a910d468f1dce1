// libFuzzer target for the scan file reader, window lines included: any bytes must be read
// without reading past anything, and the window lines written for what was read must read
// back to themselves.

#include <cstdlib>
#include <string>

#include "points/anchor_lines.h"
#include "points/scan_file.h"

namespace {
void check(bool condition) {
    if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> all = zv::splitLines(bytes);
    std::vector<std::string> lines = all;
    zv::dropComments(lines);
    zv::PointSet points;
    int count = 0;
    try {
        if (zv::readScanFile(lines, points) == zv::ScanFileError::None) count = points.PointCount;
    } catch (...) {
        // A count that is no number: the general error report, nothing read.
    }
    check(count >= 0 && count <= zv::PointSet::kCapacity);
    // Whatever the file holds, its window lines are read against the count it announces.
    const zv::WindowAnchors anchors = zv::readAnchorLines(all, count > 0 ? count : zv::PointSet::kCapacity);
    const int n = count > 0 ? count : zv::PointSet::kCapacity;
    std::vector<std::string> written = {"header"};
    const auto windowLines = zv::anchorLines(anchors, n);
    written.insert(written.end(), windowLines.begin(), windowLines.end());
    check(zv::anchorLines(zv::readAnchorLines(written, n), n) == windowLines);
    for (const std::string& line : windowLines) check(line.find_first_of("\r\n") == std::string::npos);
    return 0;
}
