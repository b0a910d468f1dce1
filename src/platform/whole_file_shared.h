#pragma once
// What the writers of whole files on each system (whole_file_posix.cpp,
// whole_file_win32.cpp) share.

#include <string>

namespace zv::whole_file {

// The end-to-end tests kill the program in the middle of a write: with
// ZENTAVORO_TEST_WRITE_PAUSE_MS set, every write stops halfway through the temporary file
// for that many milliseconds.
void pauseForTests();

// A number for a temporary file's name that no other write of this process uses.
unsigned nextTemporaryNumber();

// Writes all the bytes through `writeSome(data, size)`, which writes what it can and
// returns how much, or a negative number on a failure: the first half, the pause for the
// tests, then the rest. False at the first failure.
template <typename WriteSome>
bool writeInHalves(const std::string& bytes, WriteSome writeSome) {
    size_t done = 0;
    bool paused = false;
    while (done < bytes.size()) {
        if (!paused && done >= bytes.size() / 2) {
            pauseForTests();
            paused = true;
        }
        const size_t end = paused ? bytes.size() : bytes.size() / 2;
        const long long n = writeSome(bytes.data() + done, end - done);
        if (n < 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace zv::whole_file
