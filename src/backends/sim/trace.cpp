// The --trace output: every event with its virtual time.
#include "backends/sim/trace.h"

#include "platform/text.h"

namespace zv::sim {

void Trace::enable(std::ostream& out, std::function<uint32_t()> now) {
    out_ = &out;
    now_ = std::move(now);
}

void Trace::operator()(const std::string& event) const {
    if (!out_) return;
    *out_ << "[" << now_() << "] " << cp1252ToUtf8(event) << "\n";
}

}  // namespace zv::sim
