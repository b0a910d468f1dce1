#pragma once
// X's texts: STRING properties are Latin-1, the rest is UTF-8 or compound text.

#include <string>

namespace zv::x11 {

std::string latin1ToUtf8(const std::string& latin1);

}  // namespace zv::x11
