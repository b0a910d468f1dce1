#pragma once
// The library's own thread, which alone owns the X connection. The exported operations
// are called from the program's user-interface thread: they hand their request over and
// wait, at most a bounded time, until the thread has put it in force, so that a hook is
// in effect when its operation returns and the caller can never deadlock on the library.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>

namespace zv::hooklib {

enum class Request {
    SetHookExecucio,
    SetHookGrabacio,
    UnHookHook,
    SetHookKeyboard,
    SetHookQualsevolTecla,
    UnHookKeyboard,
    UnHookQualsevolTecla,
};

class HookThread {
public:
    // Started on first use; it opens the X connection itself.
    static HookThread& instance();
    ~HookThread();

    // Puts `request` in force and returns when it is, or after two seconds. Without a
    // display it does nothing.
    void perform(Request request);

private:
    HookThread();
    void run();
    bool wait(std::unique_lock<std::mutex>& lock, std::uint64_t id);

    enum class State { Starting, Running, NoDisplay, Stopped };

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::pair<std::uint64_t, Request>> queue_;
    std::uint64_t posted_ = 0;
    std::uint64_t done_ = 0;
    bool quit_ = false;
    bool warnedSlow_ = false;
    State state_ = State::Starting;
    int wakeFd_ = -1;
    std::thread thread_;
};

}  // namespace zv::hooklib
