// Stands for the program in the hook library's end-to-end test: reads one command a line
// on stdin, performs it and answers one line on stdout.
//   SetHookExecucio ... UnHookQualsevolTecla   call the operation: "ok <name> <ms taken>"
//   get <key>          the mailbox key (default "<none>"): "value <bytes>"
//   set <key> <value>  write the mailbox key: "ok set"
//   own-key <keysym>   announce a press and a release of that key as the program's own
//   own-button <n>     the same for a button
//   reports            how many times the library has woken the program: "reports <n>"
//   quit

#include <X11/Xlib.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <map>
#include <string>

#include "llibreria_zentavoro.h"
#include "platform/mailbox_keys.h"
#include "platform/profile.h"

namespace {

const std::map<std::string, void (*)()> kOperations = {
    {"SetHookExecucio", SetHookExecucio},     {"SetHookGrabacio", SetHookGrabacio},
    {"UnHookHook", UnHookHook},               {"SetHookKeyboard", SetHookKeyboard},
    {"SetHookQualsevolTecla", SetHookQualsevolTecla}, {"UnHookKeyboard", UnHookKeyboard},
    {"UnHookQualsevolTecla", UnHookQualsevolTecla},
};

const char* const kSection = zv::mailbox_keys::kSection;

std::atomic<long> reports{0};

void counted(void*) { ++reports; }

}  // namespace

int main() {
    LlibreriaZentavoroOnReport(counted, nullptr);
    // Only to turn key names into keycodes; the library has its own connection.
    Display* dpy = XOpenDisplay(nullptr);
    std::string line;
    while (std::getline(std::cin, line)) {
        if (line == "quit") break;
        if (auto op = kOperations.find(line); op != kOperations.end()) {
            const auto start = std::chrono::steady_clock::now();
            op->second();
            const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                                std::chrono::steady_clock::now() - start).count();
            std::printf("ok %s %lld\n", line.c_str(), static_cast<long long>(ms));
        } else if (line.rfind("get ", 0) == 0) {
            const auto read = zv::profileGet(zv::settingsFilePath(), kSection, line.substr(4), "<none>", 50);
            std::printf("value %s\n", read.value.c_str());
        } else if (line.rfind("set ", 0) == 0) {
            const std::string rest = line.substr(4);
            const auto space = rest.rfind(' ');
            zv::profileSet(zv::settingsFilePath(), kSection, rest.substr(0, space), rest.substr(space + 1));
            std::printf("ok set\n");
        } else if (line.rfind("own-key ", 0) == 0 && dpy) {
            const unsigned code = XKeysymToKeycode(dpy, XStringToKeysym(line.substr(8).c_str()));
            LlibreriaZentavoroOwnKey(code, 1);
            LlibreriaZentavoroOwnKey(code, 0);
            std::printf("ok own-key %u\n", code);
        } else if (line.rfind("own-button ", 0) == 0) {
            const unsigned button = static_cast<unsigned>(std::stoul(line.substr(11)));
            LlibreriaZentavoroOwnButton(button, 1);
            LlibreriaZentavoroOwnButton(button, 0);
            std::printf("ok own-button %u\n", button);
        } else if (line == "reports") {
            std::printf("reports %ld\n", reports.load());
        } else {
            std::printf("unknown %s\n", line.c_str());
        }
        std::fflush(stdout);
    }
    LlibreriaZentavoroOnReport(nullptr, nullptr);
    // The display is left to the process's end: the server may be gone by now.
    return 0;
}
