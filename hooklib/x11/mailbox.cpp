#include "mailbox.h"

#include <cstdio>
#include <mutex>

#include "platform/mailbox_keys.h"
#include "platform/profile.h"

namespace zv::hooklib {

namespace {

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
    write(mailbox_keys::kClick, value);
    wakeTheProgram();
}

void reportKey(int virtualKey) {
    write(mailbox_keys::kKeyboard, std::to_string(virtualKey));
    wakeTheProgram();
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
