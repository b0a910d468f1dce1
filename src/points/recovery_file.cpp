#include "points/recovery_file.h"

#include <stdexcept>

#include "points/anchor_lines.h"
#include "points/scan_file.h"

namespace zv {

namespace {

// The title in hexadecimal: a recovery file is code page 1252 text like a scan file, and
// the title may be in any script.
constexpr const char* kTitleLine = "//zv recorded-title ";

std::string hex(const std::string& bytes) {
    static const char* const digits = "0123456789ABCDEF";
    std::string out;
    for (char c : bytes) {
        out += digits[static_cast<unsigned char>(c) >> 4];
        out += digits[static_cast<unsigned char>(c) & 0xF];
    }
    return out;
}

int digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string unhex(const std::string& text) {
    std::string out;
    for (size_t i = 0; i + 1 < text.size(); i += 2) {
        const int hi = digit(text[i]), lo = digit(text[i + 1]);
        if (hi < 0 || lo < 0) return {};
        out += static_cast<char>(hi * 16 + lo);
    }
    return out;
}

}  // namespace

std::string recoveryText(const PointSet& points, const WindowAnchors& anchors, const std::string& title) {
    std::vector<std::string> lines = scanFileLines(points);
    const std::vector<std::string> windows = anchorLines(anchors, points.PointCount);
    lines.insert(lines.end(), windows.begin(), windows.end());
    if (!title.empty()) lines.push_back(kTitleLine + hex(title));
    return joinLines(lines);
}

std::optional<Recording> readRecovery(const std::string& text) {
    Recording recording;
    const LoadedLines loaded = loadLines(text);
    try {
        if (readScanFile(loaded.lines, recording.points) != ScanFileError::None) return std::nullopt;
    } catch (const std::exception&) {
        return std::nullopt;   // a count that is no number: not a file of ours
    }
    recording.anchors = readAnchorLinesOf(loaded.text, recording.points.PointCount);
    for (const std::string& line : splitLines(loaded.text))
        if (line.rfind(kTitleLine, 0) == 0) recording.title = unhex(line.substr(std::string(kTitleLine).size()));
    return recording;
}

}  // namespace zv
