#pragma once
// The two ways the program reads numbers out of text.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace zv {

// An unforeseen failure: it ends the current operation with the general error report,
// whose text is what() of this exception.
class ProgramError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Settings values: blanks skipped, an optional sign, then digits up to the first other
// character; 0 when there is no such number. Saturates instead of overflowing.
int32_t leadingInteger(const std::string& text);

// A whole signed 32-bit number: leading blanks, an optional sign, "$" for hexadecimal
// digits, nothing after the digits. Nothing when the text is not such a number.
std::optional<int32_t> wholeInteger(const std::string& text);

// The same, raising "'TEXT' is not a valid integer value" when the text is no number.
int32_t strToInt(const std::string& text);

// A whole plain decimal number (optional sign, digits only, nothing around it).
std::optional<int32_t> wholeDecimal(const std::string& text);

}  // namespace zv
