#pragma once
// Code page 1252 text: every string of the program is bytes of that code page.

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

// Letters a to z become A to Z; every other byte, accented letters included, stays.
std::string upperAscii(const std::string& text);

// Section and key names compare without regard to case, accented letters of the code
// page included, as the Windows profile functions do.
char foldCase1252(char c);
bool equalsIgnoreCase1252(const std::string& a, const std::string& b);

// Removes the first "&" of a menu caption (and turns "&&" into "&").
std::string stripAccessKey(const std::string& caption);

}  // namespace zv
