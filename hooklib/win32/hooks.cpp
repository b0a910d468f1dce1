// The seven operations of the hook library on Windows: low-level hooks (WH_MOUSE_LL,
// WH_KEYBOARD_LL) installed by the calling thread. The system calls a low-level hook on the
// thread that installed it, whenever that thread takes its messages, so the program's
// user-interface thread, which pumps messages all the time, serves them itself.
//
// What a hook does with an event:
// - mouse hooks take the left and right presses they report, down and the matching up, so
//   the application under the pointer sees neither and one switch press is one click;
// - the keyboard hook only listens, except to the stop keys: while a mouse hook is in too
//   (the program records or scans), Space and Alt stop it, and they are taken, down and
//   the matching up, so that they are not typed into the user's document as well; the
//   any-key hook takes the keys it reports;
// - every key press is reported once: auto-repeat while a key is held is not;
// - input that other programs synthesise (switch adapters, joystick mappers, other
//   assistive software) is the user's, injected or not; only the program's own events,
//   which carry its signature in their extra information, pass unreported (its clicks and
//   its Return would otherwise come back as switch presses);
// - each report waits in memory, stamped with its event's time, and the program is woken
//   through its listener, which posts a message.

#include <windows.h>

#include <bitset>

#include "llibreria_zentavoro.h"
#include "mailbox.h"

namespace {

HINSTANCE g_module = nullptr;

enum class MouseMode { Execucio, Grabacio };

HHOOK g_mouseHook = nullptr;
MouseMode g_mouseMode = MouseMode::Execucio;
bool g_tookLeft = false, g_tookRight = false;

HHOOK g_keyboardHook = nullptr;
std::bitset<256> g_keyboardDown;
// Stop keys taken down, whose up is taken too.
std::bitset<256> g_keyboardTaken;

HHOOK g_anyKeyHook = nullptr;
std::bitset<256> g_anyKeyDown;

bool ours(ULONG_PTR extraInfo) { return extraInfo == LZ_OWN_INPUT_SIGNATURE; }

// The title first: once the press is there the program may read the title.
void reportPress(zv::InputEvent::Type type, POINT at) {
    const auto hook = g_mouseMode == MouseMode::Grabacio ? zv::HookMode::MouseRecording : zv::HookMode::MouseExecution;
    if (const auto report = zv::pressReport({type}, hook)) {
        if (report->titleFirst) lz::reportWindowTitleAt(at.x, at.y);
        lz::reportPress(*report);
    }
}

void reportKeyPress(int virtualKey, zv::HookMode hook) {
    if (const auto report = zv::pressReport({zv::InputEvent::Type::Key, virtualKey}, hook)) lz::reportPress(*report);
}

LRESULT CALLBACK mouseProc(int code, WPARAM message, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        const lz::EventTime moment(info->time);
        if (!ours(info->dwExtraInfo)) {
            switch (message) {
            case WM_LBUTTONDOWN:
                reportPress(zv::InputEvent::Type::LeftButton, info->pt);
                g_tookLeft = true;
                return 1;
            case WM_LBUTTONUP:
                if (g_tookLeft) {
                    g_tookLeft = false;
                    return 1;
                }
                break;
            case WM_RBUTTONDOWN:
                reportPress(zv::InputEvent::Type::RightButton, info->pt);
                g_tookRight = true;
                return 1;
            case WM_RBUTTONUP:
                if (g_tookRight) {
                    g_tookRight = false;
                    return 1;
                }
                break;
            default:
                break;
            }
        }
    }
    return CallNextHookEx(nullptr, code, message, lParam);
}

// Low-level hooks see the left and right variants of the modifiers; the mailbox holds the
// codes the program knows (Alt is 18 whichever Alt key was pressed).
unsigned mailboxKey(DWORD vk) {
    switch (vk) {
    case VK_LMENU:
    case VK_RMENU:
        return VK_MENU;
    case VK_LSHIFT:
    case VK_RSHIFT:
        return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL:
        return VK_CONTROL;
    default:
        return vk & 0xFF;
    }
}

// True for the first down event of a physical press; repeats and releases are not presses.
bool newPress(std::bitset<256>& down, const KBDLLHOOKSTRUCT& info) {
    const unsigned vk = info.vkCode & 0xFF;
    if (info.flags & LLKHF_UP) {
        down.reset(vk);
        return false;
    }
    if (down.test(vk)) return false;
    down.set(vk);
    return true;
}

bool stopKey(DWORD vk) { return mailboxKey(vk) == VK_SPACE || mailboxKey(vk) == VK_MENU; }

LRESULT CALLBACK keyboardProc(int code, WPARAM message, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const lz::EventTime moment(info->time);
        if (!ours(info->dwExtraInfo)) {
            const unsigned vk = info->vkCode & 0xFF;
            const bool up = (info->flags & LLKHF_UP) != 0;
            const bool repeat = !up && g_keyboardDown.test(vk);
            if (newPress(g_keyboardDown, *info))
                reportKeyPress(static_cast<int>(mailboxKey(info->vkCode)), zv::HookMode::Keyboard);
            if (up && g_keyboardTaken.test(vk)) {
                g_keyboardTaken.reset(vk);
                return 1;
            }
            // Held down, the key repeats: its repeats stay with the program as its press did.
            if (!up && stopKey(vk) && (g_mouseHook || (repeat && g_keyboardTaken.test(vk)))) {
                g_keyboardTaken.set(vk);
                return 1;
            }
        }
    }
    return CallNextHookEx(nullptr, code, message, lParam);
}

LRESULT CALLBACK anyKeyProc(int code, WPARAM message, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const lz::EventTime moment(info->time);
        if (!ours(info->dwExtraInfo)) {
            if (newPress(g_anyKeyDown, *info)) reportKeyPress(0, zv::HookMode::AnyKeySwitch);
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, message, lParam);
}

void install(HHOOK& hook, int type, HOOKPROC proc) {
    if (!hook) hook = SetWindowsHookExW(type, proc, g_module, 0);
}

void remove(HHOOK& hook) {
    if (hook) {
        UnhookWindowsHookEx(hook);
        hook = nullptr;
    }
}

void installMouse(MouseMode mode) {
    g_mouseMode = mode;
    // A press taken before the hook last went keeps its claim on its release.
    install(g_mouseHook, WH_MOUSE_LL, mouseProc);
}

// The program removes the mouse hook to click where the user pressed, at once. A press the
// hook took is let go first (for a bounded time): its release still belongs to the hook, or
// the application would get a release without a press. The same for a stop key. The wait serves only the hook
// callbacks, which come as sent messages: no other handler of the program runs meanwhile,
// so the pointer stays where the user pressed.
constexpr DWORD kReleaseWaitMs = 1500;

void awaitTaken(HHOOK& hook, bool (*held)()) {
    const DWORD start = GetTickCount();
    while (hook && held()) {
        const DWORD spent = GetTickCount() - start;
        if (spent >= kReleaseWaitMs) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kReleaseWaitMs - spent, QS_SENDMESSAGE);
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

void SetHookExecucio(void) { installMouse(MouseMode::Execucio); }

void SetHookGrabacio(void) { installMouse(MouseMode::Grabacio); }

void UnHookHook(void) {
    awaitTaken(g_mouseHook, [] { return g_tookLeft || g_tookRight; });
    remove(g_mouseHook);
}

void SetHookKeyboard(void) {
    if (!g_keyboardHook) {
        g_keyboardDown.reset();
        g_keyboardTaken.reset();
    }
    install(g_keyboardHook, WH_KEYBOARD_LL, keyboardProc);
}

void SetHookQualsevolTecla(void) {
    if (!g_anyKeyHook) g_anyKeyDown.reset();
    install(g_anyKeyHook, WH_KEYBOARD_LL, anyKeyProc);
}

// A stop key is let go before its hook goes, as a taken button is: an Alt released
// without its press would open the application's menu.
void UnHookKeyboard(void) {
    awaitTaken(g_keyboardHook, [] { return g_keyboardTaken.any(); });
    remove(g_keyboardHook);
}

void UnHookQualsevolTecla(void) { remove(g_anyKeyHook); }

void LlibreriaZentavoroOnReport(LzReportListener listener, void* context) { lz::setReportListener(listener, context); }

int LlibreriaZentavoroTakeReport(LzReport* report) { return report && lz::takeReport(*report) ? 1 : 0; }

}  // extern "C"
