#include "hook/hook_mailbox.h"

namespace zv {

void HookMailbox::collect(HookLibrary& hooks) {
    while (auto report = hooks.takeReport()) {
        if (reports_.size() == kCapacity) reports_.pop_front();
        reports_.push_back(std::move(*report));
    }
}

std::optional<HookReport> HookMailbox::next(HookLibrary& hooks) {
    collect(hooks);
    if (reports_.empty()) return std::nullopt;
    HookReport oldest = std::move(reports_.front());
    reports_.pop_front();
    return oldest;
}

void HookMailbox::putBack(HookReport report) {
    reports_.push_front(std::move(report));
    if (reports_.size() > kCapacity) reports_.pop_back();
}

void HookMailbox::discard(HookLibrary& hooks) {
    collect(hooks);
    reports_.clear();
}

}  // namespace zv
