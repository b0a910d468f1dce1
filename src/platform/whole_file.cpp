#include "platform/whole_file.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/whole_file_shared.h"

namespace zv::whole_file {

void pauseForTests() {
    static const long pause = [] {
        const char* text = std::getenv("ZENTAVORO_TEST_WRITE_PAUSE_MS");
        return text ? std::strtol(text, nullptr, 10) : 0L;
    }();
    if (pause > 0) std::this_thread::sleep_for(std::chrono::milliseconds(pause));
}

unsigned nextTemporaryNumber() {
    static std::atomic<unsigned> counter{0};
    return counter++;
}

}  // namespace zv::whole_file
