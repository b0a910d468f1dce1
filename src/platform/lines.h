#pragma once
// The lines of a text file, as the settings file and the scan files read them.

#include <string_view>
#include <type_traits>

namespace zv {

// Calls take(line) for every line of the bytes, in order, without its break: a line ends
// at CR, LF or CR LF, the last one at the end of the bytes (a break there leaves no empty
// line after it). A take that returns bool stops the reading by returning false.
template <typename Take>
void forEachLine(std::string_view bytes, Take take) {
    const size_t n = bytes.size();
    size_t start = 0;
    while (start < n) {
        // A plain loop: find_first_of asks memchr about the two characters at every byte,
        // several times slower on large files.
        size_t end = start;
        while (end < n && bytes[end] != '\r' && bytes[end] != '\n') ++end;
        const std::string_view line = bytes.substr(start, end - start);
        if constexpr (std::is_same_v<decltype(take(line)), bool>) {
            if (!take(line)) return;
        } else {
            take(line);
        }
        if (end == n) return;
        start = end + (bytes[end] == '\r' && end + 1 < n && bytes[end + 1] == '\n' ? 2 : 1);
    }
}

}  // namespace zv
