#include "press_filter.h"

namespace zv::hooklib {

bool PressFilter::press(int device, int code, bool synthesised) {
    const bool fresh = down_.insert({device, code}).second;
    return fresh && !synthesised;
}

void PressFilter::release(int device, int code) {
    down_.erase({device, code});
}

void PressFilter::forget(int device) {
    std::erase_if(down_, [device](const std::pair<int, int>& key) { return key.first == device; });
}

}  // namespace zv::hooklib
