#pragma once
// What the writers of whole files on each system (whole_file_posix.cpp,
// whole_file_win32.cpp) share.

namespace zv::whole_file {

// The end-to-end tests kill the program in the middle of a write: with
// ZENTAVORO_TEST_WRITE_PAUSE_MS set, every write stops halfway through the temporary file
// for that many milliseconds.
void pauseForTests();

// A number for a temporary file's name that no other write of this process uses.
unsigned nextTemporaryNumber();

}  // namespace zv::whole_file
