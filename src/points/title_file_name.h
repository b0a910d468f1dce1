#pragma once
// A window's title as the name of its scan file, and as window matching reads a title so
// that the file saved under that name is found again. Titles and names are UTF-8: a
// title in any script names its own file, never one it shares with another title.

#include <cstddef>
#include <string>

namespace zv {

inline constexpr size_t kLongestProposedName = 120;

// The title with every character a file name cannot hold on either system (\ / : * ? " <
// > | and the control characters) replaced by "_", cut to 120 characters, and without
// trailing dots and blanks, which Windows drops from a name.
std::string fileNameFromTitle(const std::string& title);

// The title a recording is saved under, in UTF-8. The mailbox holds the recorded window's
// title in code page 1252, cut to mailboxChars characters; the program also read the title
// of the window under each recorded point in full. That one is taken when the code page
// cannot hold it and the mailbox holds what the code page makes of it; otherwise the
// mailbox's own text, as it always was.
std::string titleOfRecording(const std::string& recordedTitle, const std::string& mailboxTitle, size_t mailboxChars);

// The title with the same characters replaced, and nothing cut, so that a file saved
// under fileNameFromTitle's name stands in it.
std::string titleAsNamesHoldIt(const std::string& title);

}  // namespace zv
