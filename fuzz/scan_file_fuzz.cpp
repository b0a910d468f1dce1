// libFuzzer target for the scan file reader. Any bytes split into lines that hold no line
// end and come back the same through the writer's joining; dropping comments keeps the
// first line and every other line not starting with "//", in order; the loader's single
// pass keeps the same text and reads exactly what reading every line would; the window
// and name lines read from the kept text are those of every line, and write back to
// themselves; a file that reads is a sound point set which, saved and loaded again, gives
// back its points; and read as a recovery file, it gives a recording that is written and
// read back the same.

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/numbers.h"
#include "points/anchor_lines.h"
#include "points/recovery_file.h"
#include "points/name_lines.h"
#include "points/scan_file.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

bool isComment(const std::string& line) { return line.compare(0, 2, "//") == 0; }

struct Reading {
    zv::ScanFileError error = zv::ScanFileError::None;
    std::string thrown;  // the general error report's text, when reading raised one
    zv::PointSet points;
};

Reading read(const std::vector<std::string>& lines) {
    Reading r;
    r.points.PointCount = 7;  // as a set left by an earlier load
    try {
        r.error = zv::readScanFile(lines, r.points);
    } catch (const zv::ProgramError& e) {
        r.thrown = e.what();
    }
    return r;
}

bool same(const Reading& a, const Reading& b) {
    return a.error == b.error && a.thrown == b.thrown && a.points.PointCount == b.points.PointCount &&
           a.points.Points == b.points.Points;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    const std::vector<std::string> all = zv::splitLines(bytes);
    for (const std::string& line : all) check(line.find_first_of("\r\n") == std::string::npos);
    check(zv::splitLines(zv::joinLines(all)) == all);

    std::vector<std::string> kept = all;
    zv::dropComments(kept);
    if (!all.empty()) {
        check(!kept.empty() && kept.front() == all.front());
        size_t next = 1;
        for (size_t i = 1; i < all.size(); ++i) {
            if (isComment(all[i])) continue;
            check(next < kept.size() && kept[next] == all[i]);
            ++next;
        }
        check(next == kept.size());
    } else {
        check(kept.empty());
    }

    const zv::LoadedLines loaded = zv::loadLines(bytes);
    std::string text;
    for (size_t i = 0; i < all.size(); ++i) text += (i ? "\r\n" : "") + all[i];
    check(loaded.text == text);
    // The lines reading can reach: the header, the count and the largest set's points.
    const size_t reach = std::min(kept.size(), static_cast<size_t>(zv::PointSet::kCapacity) + 2);
    check(loaded.lines == std::vector<std::string>(kept.begin(), kept.begin() + static_cast<std::ptrdiff_t>(reach)));

    // Whatever the file holds, its window lines, for as many points as a set can hold.
    const int most = zv::PointSet::kCapacity;
    const auto windowLines = zv::anchorLines(zv::readAnchorLines(all, most), most);
    check(zv::anchorLines(zv::readAnchorLinesOf(loaded.text, most), most) == windowLines);
    std::vector<std::string> written = {"header"};
    written.insert(written.end(), windowLines.begin(), windowLines.end());
    check(zv::anchorLines(zv::readAnchorLines(written, most), most) == windowLines);
    for (const std::string& line : windowLines) check(line.find_first_of("\r\n") == std::string::npos);

    // As the recovery file of a recording that a crash cut short.
    if (const auto recording = zv::readRecovery(bytes)) {
        const int32_t count = recording->points.PointCount;
        check(count >= 1 && count <= zv::PointSet::kCapacity);
        const auto again = zv::readRecovery(zv::recoveryText(recording->points, recording->anchors, recording->title));
        check(again && again->points.PointCount == count && again->title == recording->title);
        check(std::equal(again->points.Points.begin(), again->points.Points.begin() + count,
                         recording->points.Points.begin()));
        check(zv::anchorLines(again->anchors, count) == zv::anchorLines(recording->anchors, count));
    }
    // The same for the name lines: read from the kept text as from every line, written back
    // to themselves, each on one line of printable bytes.
    const auto names = zv::nameLines(zv::readNameLines(all, most), most);
    check(zv::nameLines(zv::readNameLinesOf(loaded.text, most), most) == names);
    std::vector<std::string> named = {"header"};
    named.insert(named.end(), names.begin(), names.end());
    check(zv::nameLines(zv::readNameLines(named, most), most) == names);
    for (const std::string& line : names)
        for (char c : line) check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);

    const Reading full = read(kept);
    check(same(full, read(loaded.lines)));
    if (full.error != zv::ScanFileError::None || !full.thrown.empty()) return 0;

    const zv::PointSet& points = full.points;
    check(points.PointCount >= 1 && points.PointCount <= zv::PointSet::kCapacity);
    for (int32_t i = 0; i < points.PointCount; ++i) {
        check(points.Points[static_cast<size_t>(i)].first >= 1);
        check(points.Points[static_cast<size_t>(i)].second >= 1);
    }

    // Saved as the program saves, loaded as it loads: the same points come back.
    const std::string saved = zv::joinLines(zv::scanFileLines(points));
    const Reading again = read(zv::loadLines(saved).lines);
    check(again.error == zv::ScanFileError::None && again.thrown.empty());
    check(again.points.PointCount == points.PointCount);
    for (int32_t i = 0; i < points.PointCount; ++i)
        check(again.points.Points[static_cast<size_t>(i)] == points.Points[static_cast<size_t>(i)]);
    return 0;
}
