#pragma once
// Code page 1252 text: every string of the program is bytes of that code page.

#include <optional>
#include <string>

namespace zv {

// Converts between code page 1252 and UTF-8 (the bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D,
// which the code page leaves undefined, map to the C1 controls of the same number).
std::string cp1252ToUtf8(const std::string& text);
// Characters outside the code page become "?".
std::string utf8ToCp1252(const std::string& text);
// The same for UTF-16 (Win32's W functions).
std::u16string cp1252ToUtf16(const std::string& text);
std::string utf16ToCp1252(const std::u16string& text);

// Unicode as the system spells names and titles: UTF-8 to and from its code points and
// UTF-16 (surrogate pairs included). A malformed UTF-8 byte decodes to U+FFFD.
std::u32string utf8ToCodePoints(const std::string& utf8);
std::string codePointsToUtf8(const std::u32string& codePoints);
std::u16string utf8ToUtf16(const std::string& utf8);
std::string utf16ToUtf8(const std::u16string& utf16);
// The code page 1252 byte of a code point; nothing when the code page has none.
std::optional<char> cp1252Byte(char32_t codePoint);
// The first maxChars characters of a UTF-8 text.
std::string firstCharsUtf8(const std::string& utf8, size_t maxChars);
// One character of a UTF-8 text, decoded at text[i]; i moves past it (one byte and U+FFFD
// for a malformed sequence).
char32_t nextUtf8Character(const std::string& text, size_t& i);
void appendUtf8Character(std::string& out, char32_t character);

// Letters a to z become A to Z; every other byte, accented letters included, stays.
std::string upperAscii(const std::string& text);

// Section and key names compare without regard to case, accented letters of the code
// page included, as the Windows profile functions do.
char foldCase1252(char c);
bool equalsIgnoreCase1252(const std::string& a, const std::string& b);

// Removes the first "&" of a menu caption (and turns "&&" into "&").
std::string stripAccessKey(const std::string& caption);

}  // namespace zv
