// Stands for the program in the hook library's end-to-end test: reads one command a line
// on stdin, performs it and answers one line on stdout.
//   SetHookExecucio ... UnHookQualsevolTecla   call the operation: "ok <name> <ms taken>"
//   get <key>          the mailbox key (default "<none>"): "value <bytes>"
//   set <key> <value>  write the mailbox key: "ok set"
//   quit

#include <chrono>
#include <cstdio>
#include <iostream>
#include <map>
#include <string>

#include "llibreria_zentavoro.h"
#include "platform/profile.h"

namespace {

const std::map<std::string, void (*)()> kOperations = {
    {"SetHookExecucio", SetHookExecucio},     {"SetHookGrabacio", SetHookGrabacio},
    {"UnHookHook", UnHookHook},               {"SetHookKeyboard", SetHookKeyboard},
    {"SetHookQualsevolTecla", SetHookQualsevolTecla}, {"UnHookKeyboard", UnHookKeyboard},
    {"UnHookQualsevolTecla", UnHookQualsevolTecla},
};

const char* const kSection = "LlibreriaZentavoro";

}  // namespace

int main() {
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
        } else {
            std::printf("unknown %s\n", line.c_str());
        }
        std::fflush(stdout);
    }
    return 0;
}
