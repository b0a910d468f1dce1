#include "platform/numbers.h"

#include <limits>

namespace zv {

namespace {

constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
constexpr int64_t kMax = std::numeric_limits<int32_t>::max();

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The blanks that the C library's number reading skips.
bool isCBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

int32_t leadingInteger(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && isCBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int64_t magnitude = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        // Once past the range the answer is fixed; stop before int64_t could overflow.
        if (magnitude > kMax + 1) {
            magnitude = kMax + 1;
            break;
        }
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > kMax) return static_cast<int32_t>(kMax);
    if (value < kMin) return static_cast<int32_t>(kMin);
    return static_cast<int32_t>(value);
}

std::optional<int32_t> wholeInteger(const std::string& text) {
    size_t i = 0;
    // Every control character counts as a blank here, as it does for the Pascal run-time
    // conversion whose behaviour this reproduces.
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= 0x20) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const bool hex = i < text.size() && text[i] == '$';
    if (hex) ++i;
    if (i == text.size()) return std::nullopt;

    int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = hex ? hexValue(text[i]) : (isDigit(text[i]) ? text[i] - '0' : -1);
        if (digit < 0) return std::nullopt;
        magnitude = magnitude * (hex ? 16 : 10) + digit;
        // Hexadecimal digits give the 32-bit pattern ("$FFFFFFFF" is -1); decimal digits
        // must give a value inside the signed range.
        if (magnitude > (hex ? int64_t{0xFFFFFFFF} : kMax + 1)) return std::nullopt;
    }
    if (hex) {
        const auto bits = static_cast<int32_t>(static_cast<uint32_t>(magnitude));
        return negative ? static_cast<int32_t>(0u - static_cast<uint32_t>(bits)) : bits;
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > kMax) return std::nullopt;
    return static_cast<int32_t>(value);
}

int32_t strToInt(const std::string& text) {
    if (const auto value = wholeInteger(text)) return *value;
    throw ProgramError("'" + text + "' is not a valid integer value");
}

std::optional<int32_t> wholeDecimal(const std::string& text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return std::nullopt;
    int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i])) return std::nullopt;
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kMax + 1) return std::nullopt;
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > kMax) return std::nullopt;
    return static_cast<int32_t>(value);
}

}  // namespace zv
