#pragma once
// The plain files of a folder, by the names the system gives them: no folders, no
// hidden files. Both desktops list a folder with it, and so does the benchmark of
// window matching, so that it measures the listing the program does.

#include <string>
#include <vector>

namespace zv {

#ifdef _WIN32
// Hidden and system files count as hidden. An empty folder is the current one.
std::vector<std::wstring> plainFilesIn(const std::wstring& folder);
#else
// A dot file is a hidden one; links count by what they lead to. An empty folder is the
// current one.
std::vector<std::string> plainFilesIn(const std::string& folder);
#endif

}  // namespace zv
