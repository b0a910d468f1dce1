#include "mailbox.h"

#include <cstdio>

#include "platform/profile.h"

namespace zv::hooklib {

namespace {

const char* const kSection = "LlibreriaZentavoro";

void write(const char* key, const std::string& value) {
    static bool warned = false;
    const std::string file = settingsFilePath();
    if (!profileSet(file, kSection, key, value) && !warned) {
        warned = true;
        std::fprintf(stderr, "LlibreriaZentavoro: cannot write the settings file %s\n", file.c_str());
    }
}

}  // namespace

void reportClick(const char* value) {
    write("CLIC", value);
}

void reportKey(int virtualKey) {
    write("KEYBOARD", std::to_string(virtualKey));
}

void reportWindowTitle(const std::string& title) {
    write("T\xCDTOL FINESTRA", title);  // "TÍTOL" in code page 1252
}

}  // namespace zv::hooklib
