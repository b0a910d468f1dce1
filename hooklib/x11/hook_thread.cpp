// The library's thread, which owns the X connection, and the requests the program's thread hands it.
#include "hook_thread.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

#include "hook_session.h"

namespace zv::hooklib {

namespace {

constexpr auto kAnswerTime = std::chrono::seconds(2);

void apply(HookSession& session, const Order& order) {
    switch (order.request) {
    case Request::SetHookExecucio: session.setMouseHook(MouseHook::Execution); break;
    case Request::SetHookGrabacio: session.setMouseHook(MouseHook::Recording); break;
    case Request::UnHookHook: session.setMouseHook(MouseHook::Off); break;
    case Request::SetHookKeyboard: session.setKeyboardHook(true); break;
    case Request::UnHookKeyboard: session.setKeyboardHook(false); break;
    case Request::SetHookQualsevolTecla: session.setAnyKeyHook(true); break;
    case Request::UnHookQualsevolTecla: session.setAnyKeyHook(false); break;
    case Request::OwnButton: session.announceOwn(OwnInput::Kind::Button, order.code, order.press); break;
    case Request::OwnKey: session.announceOwn(OwnInput::Kind::Key, order.code, order.press); break;
    }
}

}  // namespace

HookThread& HookThread::instance() {
    static HookThread thread;
    return thread;
}

HookThread::HookThread() {
    wakeFd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd_ < 0) {
        std::perror("LlibreriaZentavoro: eventfd");
        state_ = State::Stopped;
        return;
    }
    thread_ = std::thread([this] { run(); });
}

HookThread::~HookThread() {
    // At program exit: let the thread finish what it is doing and close the connection,
    // which releases the grabs; never hold the exit up for long.
    if (thread_.joinable() && thread_.get_id() == std::this_thread::get_id()) {
        thread_.detach();
        return;
    }
    if (thread_.joinable()) {
        std::unique_lock lock(mutex_);
        quit_ = true;
        const std::uint64_t one = 1;
        [[maybe_unused]] auto n = write(wakeFd_, &one, sizeof one);
        const bool over = changed_.wait_for(lock, kAnswerTime, [this] { return ended(); });
        lock.unlock();
        if (over) {
            thread_.join();
        } else {
            thread_.detach();
            return;  // the thread still uses the eventfd
        }
    }
    if (wakeFd_ >= 0) close(wakeFd_);
}

void HookThread::perform(Order order) {
    std::unique_lock lock(mutex_);
    if (ended()) return;
    const std::uint64_t id = ++posted_;
    queue_.emplace_back(id, order);
    const std::uint64_t one = 1;
    [[maybe_unused]] auto n = write(wakeFd_, &one, sizeof one);
    if (!wait(lock, id) && !warnedSlow_) {
        warnedSlow_ = true;
        std::fprintf(stderr, "LlibreriaZentavoro: the X server did not answer in time; the hooks follow later\n");
    }
}

bool HookThread::wait(std::unique_lock<std::mutex>& lock, std::uint64_t id) {
    return changed_.wait_for(lock, kAnswerTime, [&] { return done_ >= id || ended(); });
}

void HookThread::run() {
    std::unique_ptr<HookSession> session = HookSession::open();
    {
        std::lock_guard lock(mutex_);
        if (!session) {
            state_ = State::NoDisplay;
            std::fprintf(stderr, "LlibreriaZentavoro: cannot open the X display; the hooks do nothing\n");
            changed_.notify_all();
            return;
        }
        state_ = State::Running;
    }

    for (;;) {
        session->dispatchPending();
        if (session->lost()) {
            // Said once by the session. The program goes on without hooks; its own
            // connection to the server decides whether it goes on at all.
            session.reset();
            std::lock_guard lock(mutex_);
            state_ = State::Lost;
            changed_.notify_all();
            return;
        }

        pollfd fds[2] = {{wakeFd_, POLLIN, 0}, {session->connectionFd(), POLLIN, 0}};
        poll(fds, 2, session->nextGrabMs());
        if (fds[0].revents & POLLIN) {
            std::uint64_t count = 0;
            [[maybe_unused]] auto n = read(wakeFd_, &count, sizeof count);
        }
        session->grabMissingKeyboards();

        for (;;) {
            std::unique_lock lock(mutex_);
            if (quit_) {
                lock.unlock();
                session.reset();
                lock.lock();
                state_ = State::Stopped;
                changed_.notify_all();
                return;
            }
            if (queue_.empty() || session->lost()) break;
            const auto [id, order] = queue_.front();
            queue_.pop_front();
            lock.unlock();

            apply(*session, order);

            lock.lock();
            done_ = id;
            changed_.notify_all();
        }
    }
}

}  // namespace zv::hooklib
