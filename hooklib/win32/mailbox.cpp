// The mailbox as the Windows hooks write it, on the program's own thread, and the wake-up after.
#include "mailbox.h"

#include <windows.h>

#include "platform/mailbox_keys.h"
#include "platform/profile.h"
#include "platform/text.h"

namespace lz {
namespace {


// Set and called on the thread that installed the hooks, which runs their callbacks.
LzReportListener g_listener = nullptr;
void* g_listenerContext = nullptr;

void wakeTheProgram() {
    if (g_listener) g_listener(g_listenerContext);
}

void write(const char* key, const std::string& value) {
    // Synchronous on purpose: the hook runs on the program's user-interface thread, so this
    // write can never fall between the dispatcher reading "CLIC" and resetting it to "0",
    // which a writer thread could, losing the press. A write takes a few milliseconds, far
    // below the system's low-level hook timeout.
    zv::profileSet(zv::settingsFilePath(), zv::mailbox_keys::kSection, key, value);
}

}  // namespace

void reportClick(const char* value) {
    write(zv::mailbox_keys::kClick, value);
    wakeTheProgram();
}

void reportKey(unsigned vk) {
    write(zv::mailbox_keys::kKeyboard, std::to_string(vk));
    wakeTheProgram();
}

void setReportListener(LzReportListener listener, void* context) {
    g_listener = listener;
    g_listenerContext = context;
}

void reportWindowTitleAt(long x, long y) {
    POINT pt{x, y};
    std::string title;
    if (HWND w = WindowFromPoint(pt)) {
        if (HWND root = GetAncestor(w, GA_ROOT)) w = root;
        wchar_t buf[256] = {};
        int n = GetWindowTextW(w, buf, 256);
        if (n > 0) title = zv::utf16ToCp1252(std::u16string(reinterpret_cast<const char16_t*>(buf), static_cast<size_t>(n)));
    }
    write(zv::mailbox_keys::kWindowTitle, title);
}

}  // namespace lz
