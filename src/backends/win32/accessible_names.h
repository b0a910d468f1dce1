#pragma once
// The accessibility layer of Windows: UI Automation's element at a point, Active
// Accessibility's where UI Automation has no name for it. Every call to them is made by a
// thread of its own (COM's multithreaded apartment), so that an application that does not
// answer holds up that thread and never the user interface.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/platform.h"

namespace zv::win32 {

class AccessibleNames {
public:
    AccessibleNames() = default;
    ~AccessibleNames();
    AccessibleNames(const AccessibleNames&) = delete;
    AccessibleNames& operator=(const AccessibleNames&) = delete;

    // Starts the thread, which creates UI Automation's client, if it has not started.
    void ready();
    std::optional<uint32_t> request(HWND window, int x, int y);
    std::vector<AccessibleNameAnswer> answers();

    // What this object shares with its thread, which may outlive it.
    struct Shared;

private:
    std::shared_ptr<Shared> shared_;
    bool started_ = false;
    uint32_t next_ = 1;
};

}  // namespace zv::win32
