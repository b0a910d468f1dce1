#pragma once
// One report per physical press: a press of a key that is already down on the same
// device, with no release between, is the key repeating.

#include <set>
#include <utility>

namespace zv::hooklib {

class PressFilter {
public:
    // A press of `code` on `device`: true when it is a new press.
    bool press(int device, int code);
    void release(int device, int code);
    // Whether any key of `device` is down.
    bool anyDown(int device) const;
    // Forgets the keys held down on `device`, for when its events cannot be seen for a while.
    void forget(int device);
    void clear() { down_.clear(); }

private:
    std::set<std::pair<int, int>> down_;
};

}  // namespace zv::hooklib
