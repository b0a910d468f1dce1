#pragma once
// The look-ups of point names that the accessibility layer has not answered yet, and the
// point each one is for. A new recording forgets them, so that a late answer never names
// a point of another recording.

#include <cstdint>
#include <map>
#include <optional>

namespace zv {

class NameRequests {
public:
    void clear() { waiting_.clear(); }
    void add(uint32_t request, int index) { waiting_[request] = index; }
    // The point an answer is for; nothing for a request forgotten or answered already.
    std::optional<int> answered(uint32_t request) {
        const auto it = waiting_.find(request);
        if (it == waiting_.end()) return std::nullopt;
        const int index = it->second;
        waiting_.erase(it);
        return index;
    }
    bool pending() const { return !waiting_.empty(); }

private:
    std::map<uint32_t, int> waiting_;
};

}  // namespace zv
