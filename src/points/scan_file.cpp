#include "points/scan_file.h"

#include <algorithm>
#include <string_view>

#include "platform/lines.h"
#include "platform/numbers.h"

namespace zv {

namespace {

bool isComment(std::string_view line) { return line.substr(0, 2) == "//"; }

}  // namespace

std::vector<std::string> splitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    forEachLine(bytes, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

LoadedLines loadLines(const std::string& bytes) {
    constexpr size_t kReachable = static_cast<size_t>(PointSet::kCapacity) + 2;
    LoadedLines loaded;
    bool first = true;
    forEachLine(bytes, [&](std::string_view line) {
        if (!first) loaded.text += "\r\n";
        loaded.text += line;
        if (loaded.lines.size() < kReachable && (first || !isComment(line))) loaded.lines.emplace_back(line);
        first = false;
    });
    return loaded;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

void dropComments(std::vector<std::string>& lines) {
    if (lines.size() <= 1) return;
    const auto kept = std::remove_if(lines.begin() + 1, lines.end(), [](const std::string& l) { return isComment(l); });
    lines.erase(kept, lines.end());
}

ScanFileError readScanFile(const std::vector<std::string>& lines, PointSet& points) {
    if (lines.empty() || lines[0] != kScanFileHeader) return ScanFileError::Header;
    const std::string label = kScanFileLabel;
    if (lines.size() < 2 || lines[1].compare(0, label.size(), label) != 0 || lines[1].size() < label.size())
        return ScanFileError::Label;
    const int32_t count = strToInt(lines[1].substr(label.size()));
    if (count <= 0) {
        points.PointCount = 0;
        return ScanFileError::CountNotPositive;
    }
    // More points than the set can hold are refused like any other bad point list.
    if (count > PointSet::kCapacity) {
        points.PointCount = 0;
        return ScanFileError::Points;
    }
    points.PointCount = count;
    for (int32_t i = 0; i < count; ++i) {
        const size_t index = static_cast<size_t>(i) + 2;
        const std::string* line = index < lines.size() ? &lines[index] : nullptr;
        const size_t comma = line ? line->find(',') : std::string::npos;
        std::optional<int32_t> x, y;
        if (comma != std::string::npos) {
            x = wholeInteger(line->substr(0, comma));
            if (x) points.Points[static_cast<size_t>(i)].first = *x;
            if (x) y = wholeInteger(line->substr(comma + 1));
            if (y) points.Points[static_cast<size_t>(i)].second = *y;
        }
        // A line that is not two numbers empties the set, as a coordinate below 1 does,
        // so that no half-read set can be scanned or saved.
        if (!x || !y || *x < 1 || *y < 1) {
            points.PointCount = 0;
            return ScanFileError::Points;
        }
    }
    return ScanFileError::None;
}

std::vector<std::string> scanFileLines(const PointSet& points) {
    std::vector<std::string> lines;
    lines.emplace_back(kScanFileHeader);
    lines.push_back(std::string(kScanFileLabel) + std::to_string(points.PointCount));
    for (int32_t i = 0; i < points.PointCount && i < PointSet::kCapacity; ++i) {
        const auto& [x, y] = points.Points[static_cast<size_t>(i)];
        lines.push_back(std::to_string(x) + "," + std::to_string(y));
    }
    return lines;
}

}  // namespace zv
