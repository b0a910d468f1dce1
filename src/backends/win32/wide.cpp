// Code page 1252 texts and file names to and from the UTF-16 of the W functions.
#include "backends/win32/wide.h"

#include <map>

#include "platform/text.h"

namespace zv::win32 {
namespace {

std::map<std::string, std::wstring>& rememberedNames() {
    static std::map<std::string, std::wstring> names;
    return names;
}

}  // namespace

std::wstring widen(const std::string& cp1252) {
    const std::u16string u = cp1252ToUtf16(cp1252);
    return std::wstring(u.begin(), u.end());
}

std::string narrow(const wchar_t* utf16, size_t length) {
    return utf16ToCp1252(std::u16string(reinterpret_cast<const char16_t*>(utf16), length));
}

std::string narrow(const std::wstring& utf16) { return narrow(utf16.data(), utf16.size()); }

std::wstring fromUtf8(const std::string& utf8) {
    const std::u16string u = utf8ToUtf16(utf8);
    return std::wstring(u.begin(), u.end());
}

std::string toUtf8(const std::wstring& utf16) { return utf16ToUtf8(std::u16string(utf16.begin(), utf16.end())); }

std::string narrowName(const std::wstring& utf16) {
    std::string name = narrow(utf16);
    if (widen(name) != utf16) rememberedNames()[name] = utf16;
    return name;
}

std::wstring widenName(const std::string& cp1252) {
    auto& names = rememberedNames();
    if (names.empty()) return widen(cp1252);
    if (auto it = names.find(cp1252); it != names.end()) return it->second;
    // A remembered name inside a longer path: convert the folder and the last part apart.
    const size_t slash = cp1252.find_last_of("\\/");
    if (slash == std::string::npos || slash == 0) return widen(cp1252);
    return widenName(cp1252.substr(0, slash)) + static_cast<wchar_t>(cp1252[slash]) + widenName(cp1252.substr(slash + 1));
}

}  // namespace zv::win32
