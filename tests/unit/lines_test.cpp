#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/lines.h"

namespace zv {
namespace {

std::vector<std::string> linesOf(std::string_view bytes) {
    std::vector<std::string> lines;
    forEachLine(bytes, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

using Lines = std::vector<std::string>;

TEST(Lines, end_at_cr_lf_or_cr_lf_and_a_last_break_adds_no_empty_line) {
    EXPECT_EQ(linesOf("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(linesOf("a\r\n"), (Lines{"a"}));
    // LF then CR is two breaks, and so are two CRs: the empty lines between them are lines.
    EXPECT_EQ(linesOf("a\n\rb\r\r"), (Lines{"a", "", "b", ""}));
    EXPECT_EQ(linesOf("\r\n\r\n"), (Lines{"", ""}));
    EXPECT_EQ(linesOf(""), Lines{});
}

TEST(Lines, a_reader_that_answers_false_reads_no_further) {
    Lines seen;
    forEachLine(std::string_view("a\nstop\nc\n"), [&](std::string_view line) {
        seen.emplace_back(line);
        return line != "stop";
    });
    EXPECT_EQ(seen, (Lines{"a", "stop"}));
}

}  // namespace
}  // namespace zv
