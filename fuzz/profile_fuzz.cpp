// libFuzzer target for the settings file parser: any bytes must parse, rewrite to a
// text that parses back to itself, read within the buffer (the one-pass reading as the
// document reads), and keep what was written.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "platform/profile_document.h"

namespace {

bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == 0x1A; }

// Names and values that a settings file line can carry unchanged.
bool storable(const std::string& s, bool isValue) {
    if (s.find_first_of("\r\n") != std::string::npos) return false;
    if (isValue) return s.empty() || !isBlank(s.front());
    if (s.empty() || isBlank(s.front()) || isBlank(s.back())) return false;
    return s.front() != ';' && s.front() != '[' && s.find('=') == std::string::npos;
}

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(16);
    const std::string key = input.ConsumeRandomLengthString(16);
    const std::string value = input.ConsumeRandomLengthString(64);
    const unsigned bufsize = input.ConsumeIntegralInRange<unsigned>(0, 80);
    const std::string file = input.ConsumeRemainingBytesAsString();

    zv::ProfileDocument doc = zv::ProfileDocument::parse(file);
    const std::string text = doc.text();
    check(zv::ProfileDocument::parse(text).text() == text);

    const zv::ProfileRead read = doc.get(section, key, value, bufsize);
    check(read.ret == static_cast<int>(read.value.size()));
    // The one-pass reading answers as the document does.
    const zv::ProfileRead looked = zv::ProfileDocument::lookup(file, section, key, value, bufsize);
    check(looked.ret == read.ret && looked.value == read.value);
    // So does the one-pass check that a write would change nothing.
    zv::ProfileDocument changed = doc;
    check(zv::ProfileDocument::stores(file, section, key, value) == !changed.set(section, key, value));
    check(bufsize == 0 ? read.ret == 0 : read.value.size() < bufsize);

    if (storable(section, false) && storable(key, false) && storable(value, true)) {
        doc.set(section, key, value);
        const zv::ProfileDocument reread = zv::ProfileDocument::parse(doc.text());
        // What comes back is the value as a file line holds it: no trailing blanks, and
        // no enclosing quotes.
        std::string expected = value;
        while (!expected.empty() && isBlank(expected.back())) expected.pop_back();
        if (expected.size() >= 2 && (expected.front() == '"' || expected.front() == '\'') &&
            expected.back() == expected.front())
            expected = expected.substr(1, expected.size() - 2);
        check(reread.get(section, key, "", 1000).value == expected);
        check(!doc.set(section, key, value));
    }
    return 0;
}
