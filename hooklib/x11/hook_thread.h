#pragma once
// The library's own thread, which alone owns the X connection. The exported operations
// are called from the program's user-interface thread: they hand their request over and
// wait, at most a bounded time, until the thread has put it in force, so that a hook is
// in effect when its operation returns and the caller can never deadlock on the library.
// Without a display, or once the connection is lost, the operations do nothing at once.

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
    OwnButton,
    OwnKey,
};

// A request and, for the program's own events, which one: a button or a keycode, and
// whether it is pressed or released.
struct Order {
    Request request;
    unsigned code = 0;
    bool press = false;
};

class HookThread {
public:
    // Started on first use; it opens the X connection itself.
    static HookThread& instance();
    ~HookThread();

    // Puts the order in force and returns when it is, or after two seconds.
    void perform(Order order);

private:
    HookThread();
    void run();
    bool wait(std::unique_lock<std::mutex>& lock, std::uint64_t id);

    enum class State { Starting, Running, NoDisplay, Lost, Stopped };
    bool ended() const { return state_ == State::NoDisplay || state_ == State::Lost || state_ == State::Stopped; }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::pair<std::uint64_t, Order>> queue_;
    std::uint64_t posted_ = 0;
    std::uint64_t done_ = 0;
    bool quit_ = false;
    bool warnedSlow_ = false;
    State state_ = State::Starting;
    int wakeFd_ = -1;
    std::thread thread_;
};

}  // namespace zv::hooklib
