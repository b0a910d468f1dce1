#pragma once
// The costs below the forms, each as one function that does the work once, so that the
// Google Benchmark binary and the plain timing harness (built for Windows as well, where
// no Google Benchmark is at hand) measure exactly the same thing.

#include <filesystem>
#include <string>
#include <vector>

namespace zv::bench {

// A fresh scratch folder for one workload, removed with the object.
class Scratch {
public:
    explicit Scratch(const std::string& name);
    ~Scratch();
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    const std::filesystem::path& folder() const { return folder_; }
    std::string file(const std::string& name) const;

private:
    std::filesystem::path folder_;
};

// A settings file as the program keeps it (its options, the mailbox, the window size) with
// enough other keys to make `keys` in all.
void writeSettingsFile(const std::string& file, int keys);

// One tick of the hook poll timer with nothing reported: read "KEYBOARD" and "CLIC",
// write "CLIC" = "0" back (the value already stored).
void idleTick(const std::string& file);
// The hook library reporting a press (CLIC = "1"), then the tick that takes it: the
// write back changes the file.
void reportPress(const std::string& file);
void tickTakingThePress(const std::string& file);

// Reading the key that stands after all the others (the window title of the mailbox), and
// switching an option (a write that changes the file).
void readLastKey(const std::string& file);
void switchOption(const std::string& file, bool on);

// A folder of `count` scan files, none of them matching the title used below.
void fillScanFolder(const std::filesystem::path& folder, int count);
// Window matching as execution does it for a new title: list the folder's scan files,
// then find the one whose name stands in the title. Returns whether one matched.
bool matchWindow(const std::filesystem::path& folder);
// Its two halves: the listing, and the matching of the listed names.
std::vector<std::string> listScanFiles(const std::filesystem::path& folder);
bool matchOnly(const std::vector<std::string>& names);

// A scan file of `points` points, with a comment line every `commentsEvery` points (0:
// none), and loading it as the program does.
std::string scanFileBytes(int points, int commentsEvery);
int loadScanFile(const std::string& bytes);

}  // namespace zv::bench
