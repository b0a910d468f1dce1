#pragma once
// A trace of the platform calls that end-to-end tests cannot see from outside (which window
// the program takes to be in front, what it read of titles and folders). Written only when
// the environment variable ZENTAVORO_WIN32_TRACE names a file.

#include <string>

namespace zv::win32 {

bool tracing();
void trace(const std::string& line);

}  // namespace zv::win32
