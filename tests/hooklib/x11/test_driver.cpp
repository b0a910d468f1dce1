// Stands for the program in the hook library's end-to-end test: reads one command a line
// on stdin, performs it and answers one line on stdout. It keeps a mailbox of its own in
// memory, where each report the library hands over lands as the mailbox keys would hold it
// ("CLIC", "KEYBOARD", "TÍTOL FINESTRA"), so that the test reads what the library caught.
//   SetHookExecucio ... UnHookQualsevolTecla   call the operation: "ok <name> <ms taken>"
//   get <key>          the mailbox key (default "<none>"): "value <bytes>"
//   set <key> <value>  write the mailbox key: "ok set"
//   clock              the program's tick count now: "clock <ms>"
//   last-time          the time the last report carried: "time <ms>"
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

#include "common/tick_count.h"
#include "llibreria_zentavoro.h"
#include "platform/mailbox_keys.h"

namespace {

const std::map<std::string, void (*)()> kOperations = {
    {"SetHookExecucio", SetHookExecucio},     {"SetHookGrabacio", SetHookGrabacio},
    {"UnHookHook", UnHookHook},               {"SetHookKeyboard", SetHookKeyboard},
    {"SetHookQualsevolTecla", SetHookQualsevolTecla}, {"UnHookKeyboard", UnHookKeyboard},
    {"UnHookQualsevolTecla", UnHookQualsevolTecla},
};

std::atomic<long> reports{0};
std::map<std::string, std::string> mailbox;
unsigned lastTime = 0;

// Everything the library has handed over, in order, into the mailbox.
void takeReports() {
    LzReport r{};
    while (LlibreriaZentavoroTakeReport(&r)) {
        if (r.kind == LZ_REPORT_CLICK) {
            if (r.hasTitle) mailbox[zv::mailbox_keys::kWindowTitle] = r.title;
            mailbox[zv::mailbox_keys::kClick] = std::to_string(r.value);
        } else {
            mailbox[zv::mailbox_keys::kKeyboard] = std::to_string(r.value);
        }
        lastTime = r.time;
    }
}

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
            takeReports();
            const auto found = mailbox.find(line.substr(4));
            std::printf("value %s\n", found == mailbox.end() ? "<none>" : found->second.c_str());
        } else if (line.rfind("set ", 0) == 0) {
            takeReports();
            const std::string rest = line.substr(4);
            const auto space = rest.rfind(' ');
            mailbox[rest.substr(0, space)] = rest.substr(space + 1);
            std::printf("ok set\n");
        } else if (line == "clock") {
            std::printf("clock %u\n", zv::x11::monotonicTickCount());
        } else if (line == "last-time") {
            takeReports();
            std::printf("time %u\n", lastTime);
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
