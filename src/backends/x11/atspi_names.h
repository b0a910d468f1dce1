#pragma once
// The accessibility layer of the Linux desktop: AT-SPI, through libatspi loaded at run
// time (a desktop without it runs the program; names then come from window titles). Every
// call to it is made by one thread of its own, so that an application that does not
// answer holds up that thread, for the layer's time limit, and never the user interface.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/platform.h"

namespace zv::x11 {

class AtspiNames {
public:
    AtspiNames() = default;
    ~AtspiNames();
    AtspiNames(const AtspiNames&) = delete;
    AtspiNames& operator=(const AtspiNames&) = delete;

    // Starts the thread, which connects to the accessibility bus, if it has not started.
    void ready();
    // Asks for the name of the element at (x, y), screen pixels, in the window titled
    // `title` (UTF-8) of the process `pid`. Nothing when the layer cannot be asked.
    std::optional<uint32_t> request(unsigned long pid, const std::string& title, int x, int y);
    std::vector<AccessibleNameAnswer> answers();

private:
    struct Request {
        uint32_t id;
        unsigned long pid;
        std::string title;
        int x, y;
    };
    struct Layer;
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Request> queue_;
    std::vector<AccessibleNameAnswer> answers_;
    std::atomic<bool> stopping_{false};
    bool unavailable_ = false;
    uint32_t next_ = 1;
    std::thread worker_;
};

}  // namespace zv::x11
