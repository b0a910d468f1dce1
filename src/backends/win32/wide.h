#pragma once
// Text at the Win32 boundary. The program speaks code page 1252; the W functions speak
// UTF-16. Converting explicitly, never through the ANSI functions, keeps every byte the
// same whatever the system code page is.

#include <string>

namespace zv::win32 {

std::wstring widen(const std::string& cp1252);
std::string narrow(const std::wstring& utf16);
std::string narrow(const wchar_t* utf16, size_t length);

// A name that came from the system (a file, a folder, an argument) may hold characters
// outside the code page, which narrow() turns into "?". Such a name is remembered, so that
// when the program hands it back, possibly joined with a folder, the original opens.
std::string narrowName(const std::wstring& utf16);
std::wstring widenName(const std::string& cp1252);

// Names of files and folders and full titles cross the port in UTF-8.
std::wstring fromUtf8(const std::string& utf8);
std::string toUtf8(const std::wstring& utf16);

}  // namespace zv::win32
