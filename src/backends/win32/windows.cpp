// Top-level windows of every program on the desktop.
#include "backends/win32/trace.h"
#include "backends/win32/wide.h"
#include "backends/win32/win32_platform.h"
#include "platform/text.h"

namespace zv::win32 {
namespace {

HWND hwndOf(WindowId w) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(w)); }
WindowId id(HWND w) { return static_cast<WindowId>(reinterpret_cast<uintptr_t>(w)); }

}  // namespace

WindowId Win32Platform::foregroundWindow() {
    HWND w = GetForegroundWindow();
    if (tracing()) trace("foregroundWindow " + std::to_string(id(w)));
    return id(w);
}

std::string Win32Platform::windowText(WindowId w, int maxChars) {
    if (maxChars <= 0) return {};
    std::wstring buf(static_cast<size_t>(maxChars) + 1, L'\0');
    int n = GetWindowTextW(hwndOf(w), buf.data(), maxChars + 1);
    std::string text = narrow(buf.data(), n > 0 ? static_cast<size_t>(n) : 0);
    if (tracing()) trace("windowText " + std::to_string(w) + " '" + text + "'");
    return text;
}

std::string Win32Platform::windowTitle(WindowId w, int maxChars) {
    if (maxChars <= 0) return {};
    // Room for a surrogate pair per character.
    std::wstring buf(static_cast<size_t>(maxChars) * 2 + 1, L'\0');
    const int n = GetWindowTextW(hwndOf(w), buf.data(), static_cast<int>(buf.size()));
    buf.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return firstCharsUtf8(toUtf8(buf), static_cast<size_t>(maxChars));
}

std::string Win32Platform::className(WindowId w, int maxChars) {
    if (maxChars <= 0) return {};
    std::wstring buf(static_cast<size_t>(maxChars) + 1, L'\0');
    int n = GetClassNameW(hwndOf(w), buf.data(), maxChars + 1);
    return narrow(buf.data(), n > 0 ? static_cast<size_t>(n) : 0);
}

std::vector<WindowId> Win32Platform::topLevelWindows() {
    std::vector<WindowId> out;
    EnumWindows(
        [](HWND w, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<WindowId>*>(list)->push_back(id(w));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&out));
    return out;
}

WindowId Win32Platform::windowFromPoint(int x, int y) {
    HWND w = WindowFromPoint(POINT{x, y});
    if (!w) return 0;
    // The program names windows by their titles: the top-level window, not a button in it.
    if (HWND root = GetAncestor(w, GA_ROOT)) w = root;
    return id(w);
}

void Win32Platform::setForegroundWindow(WindowId w) {
    const BOOL done = SetForegroundWindow(hwndOf(w));
    if (tracing()) trace("setForegroundWindow " + std::to_string(w) + (done ? " done" : " refused"));
}

}  // namespace zv::win32
