#pragma once
// Which raw presses are the user's: one report per physical press. A press of a key that
// is already down, with no release between, is the key repeating; a press that comes from
// a device of synthesised input is the program's own.

#include <set>
#include <utility>

namespace zv::hooklib {

class PressFilter {
public:
    // A press of `code` on `device`. True when it is a new press of real input. Presses of
    // synthesised input are followed as well, so that their own repeats stay quiet.
    bool press(int device, int code, bool synthesised);
    void release(int device, int code);
    // Forgets the keys held down on `device`, for when its events cannot be seen for a while.
    void forget(int device);
    void clear() { down_.clear(); }

private:
    std::set<std::pair<int, int>> down_;
};

}  // namespace zv::hooklib
