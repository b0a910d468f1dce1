// zentavoro-hook-stress MODE COUNT READY-FILE
//
// Stands for the program in the "every press once" runs: installs the hook library's hook
// of one mode (recording, execution, keyboard or anykey), writes READY-FILE once the hook is
// in force, and then, as the program's poll does, takes the library's reports at every
// wake-up. It ends when COUNT wake-ups have come, or 3 s after the last one (20 s when none
// came), and prints:
//   reports <wake-ups> mailbox <presses taken> timed <presses whose time lies within the
//   second before they were taken, in the program's tick count>
// On Windows the mode "stamped" instead sends one left click of its own (SendInput, not
// marked as the program's) stamped 300 ms in the past, and prints
//   stamped <the report's time less the click's stamp>
// which is 0 when the report carries the time of its event rather than of its making.
// The presses themselves come from outside (xdotool), as a user's or a software switch's.
// On Windows it shows a window of its own, "zentavoro-hook-stress", at (100, 100), 300 x
// 200: under Wine only input that reaches a Wine window passes the hooks.

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "llibreria_zentavoro.h"

#ifdef _WIN32
#include <windows.h>
#else
#include "common/tick_count.h"
#endif

namespace {

std::atomic<long> wakeUps{0};
long fromMailbox = 0;
long timed = 0;
unsigned lastTime = 0;
bool keyMode = false;

unsigned tickCount() {
#ifdef _WIN32
    return GetTickCount();
#else
    return zv::x11::monotonicTickCount();
#endif
}

#ifdef _WIN32
DWORD mainThread = 0;
void woken(void*) {
    ++wakeUps;
    PostThreadMessageW(mainThread, WM_APP, 0, 0);
}
#else
std::mutex wakeMutex;
std::condition_variable wakeSignal;
void woken(void*) {
    {
        std::lock_guard lock(wakeMutex);
        ++wakeUps;
    }
    wakeSignal.notify_one();
}
#endif

// What the program's poll does: takes what the library has caught.
void poll() {
    LzReport report{};
    while (LlibreriaZentavoroTakeReport(&report)) {
        if (report.kind != (keyMode ? LZ_REPORT_KEY : LZ_REPORT_CLICK)) continue;
        ++fromMailbox;
        if (tickCount() - report.time <= 1000) ++timed;
        lastTime = report.time;
    }
}

void waitAWhile(int ms) {
#ifdef _WIN32
    // Low-level hooks are called on this thread while it takes its messages.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(ms), QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_APP) poll();
        DispatchMessageW(&msg);
    }
#else
    // As the program does: the mailbox is read as soon as the library says it wrote.
    static long handled = 0;
    std::unique_lock lock(wakeMutex);
    wakeSignal.wait_for(lock, std::chrono::milliseconds(ms), [] { return wakeUps.load() > handled; });
    const long now = wakeUps.load();
    lock.unlock();
    for (; handled < now; ++handled) poll();
#endif
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: zentavoro-hook-stress recording|execution|keyboard|anykey COUNT READY-FILE\n");
        return 2;
    }
    const std::string mode = argv[1];
    const long count = std::stol(argv[2]);
#ifdef _WIN32
    mainThread = GetCurrentThreadId();
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // this thread has a queue from now on
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"ZentavoroHookStress";
    RegisterClassW(&wc);
    HWND pad = CreateWindowExW(0, wc.lpszClassName, L"zentavoro-hook-stress", WS_POPUP | WS_VISIBLE | WS_BORDER, 100, 100,
                               300, 200, nullptr, nullptr, wc.hInstance, nullptr);
    SetForegroundWindow(pad);
    waitAWhile(200);
#endif
    LlibreriaZentavoroOnReport(woken, nullptr);
#ifdef _WIN32
    if (mode == "stamped") {
        SetHookExecucio();
        waitAWhile(200);
        const DWORD stamp = GetTickCount() - 300;
        INPUT click[2] = {};
        for (INPUT& in : click) {
            in.type = INPUT_MOUSE;
            in.mi.time = stamp;
        }
        click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, click, sizeof(INPUT));
        for (int i = 0; i < 100 && fromMailbox == 0; ++i) waitAWhile(20);
        UnHookHook();
        LlibreriaZentavoroOnReport(nullptr, nullptr);
        if (fromMailbox == 0) {
            std::printf("stamped none\n");
        } else {
            std::printf("stamped %d\n", static_cast<int>(lastTime - stamp));
        }
        return 0;
    }
#endif
    keyMode = mode == "keyboard";
    if (mode == "recording") SetHookGrabacio();
    else if (mode == "execution") SetHookExecucio();
    else if (mode == "keyboard") SetHookKeyboard();
    else if (mode == "anykey") SetHookQualsevolTecla();
    else return 2;

    if (FILE* ready = std::fopen(argv[3], "w")) std::fclose(ready);
    using Clock = std::chrono::steady_clock;
    auto last = Clock::now();
    long seen = 0;
    while (wakeUps.load() < count) {
        waitAWhile(20);
        if (wakeUps.load() != seen) {
            seen = wakeUps.load();
            last = Clock::now();
        }
        const auto quiet = Clock::now() - last;
        if (quiet > std::chrono::seconds(seen == 0 ? 20 : 3)) break;
    }
    waitAWhile(300);  // anything more than COUNT would come now
    UnHookHook();
    UnHookKeyboard();
    UnHookQualsevolTecla();
    LlibreriaZentavoroOnReport(nullptr, nullptr);
    std::printf("reports %ld mailbox %ld timed %ld\n", wakeUps.load(), fromMailbox, timed);
    return 0;
}
