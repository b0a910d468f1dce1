#pragma once
// The --trace output: every event of the simulated world with the virtual time at which
// it happened. Texts are code page 1252, as everything inside the world; they are shown
// as UTF-8.

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

namespace zv::sim {

class Trace {
public:
    void enable(std::ostream& out, std::function<uint32_t()> now);
    bool enabled() const { return out_ != nullptr; }
    void operator()(const std::string& event) const;

private:
    std::ostream* out_ = nullptr;
    std::function<uint32_t()> now_;
};

}  // namespace zv::sim
