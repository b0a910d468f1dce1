// One report per press: a key already down is repeating.
#include "press_filter.h"

#include <algorithm>

namespace zv::hooklib {

bool PressFilter::press(int device, int code) { return down_.insert({device, code}).second; }

void PressFilter::release(int device, int code) { down_.erase({device, code}); }

bool PressFilter::anyDown(int device) const {
    return std::any_of(down_.begin(), down_.end(), [device](const std::pair<int, int>& key) { return key.first == device; });
}

void PressFilter::forget(int device) {
    std::erase_if(down_, [device](const std::pair<int, int>& key) { return key.first == device; });
}

}  // namespace zv::hooklib
