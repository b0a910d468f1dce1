// The mailbox as the X11 hooks write it, held while the program reads and resets, and the wake-up after.
#include "mailbox.h"

#include <cstdio>
#include <mutex>

#include "platform/mailbox_keys.h"
#include "platform/profile.h"

namespace zv::hooklib {

namespace {

// Held by the program across its read and reset of a key (see holdReports).
std::mutex reportsMutex;

std::mutex listenerMutex;
LzReportListener listener = nullptr;
void* listenerContext = nullptr;

void write(const char* key, const std::string& value) {
    static bool warned = false;
    const std::string file = settingsFilePath();
    if (!profileSet(file, mailbox_keys::kSection, key, value) && !warned) {
        warned = true;
        std::fprintf(stderr, "LlibreriaZentavoro: cannot write the settings file %s\n", file.c_str());
    }
}

void wakeTheProgram() {
    std::lock_guard lock(listenerMutex);
    if (listener) listener(listenerContext);
}

}  // namespace

void reportClick(const char* value) {
    {
        std::lock_guard hold(reportsMutex);
        write(mailbox_keys::kClick, value);
    }
    wakeTheProgram();
}

void reportKey(int virtualKey) {
    {
        std::lock_guard hold(reportsMutex);
        write(mailbox_keys::kKeyboard, std::to_string(virtualKey));
    }
    wakeTheProgram();
}

void holdReports(bool hold) {
    // Called by the program's thread, which holds and lets go in turn.
    static thread_local bool holding = false;
    if (hold == holding) return;
    holding = hold;
    if (hold) {
        reportsMutex.lock();
    } else {
        reportsMutex.unlock();
    }
}

void reportWindowTitle(const std::string& title) {
    write(mailbox_keys::kWindowTitle, title);
}

void setReportListener(LzReportListener newListener, void* context) {
    std::lock_guard lock(listenerMutex);
    listener = newListener;
    listenerContext = context;
}

}  // namespace zv::hooklib
