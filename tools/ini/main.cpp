// zentavoro-ini FILE < SCRIPT
//
// Runs profile operations on FILE, one a line, fields separated by one TAB, bytes taken
// as they are (a CR before the LF is dropped). One result line per operation:
//   get SECTION KEY DEFAULT BUFSIZE  -> ret=N TAB the value in hex
//   set SECTION KEY VALUE            -> ok=1 or ok=0
//   raw HEX                          -> replaces the whole file by these bytes; raw
//   dump                             -> the whole file in hex, or missing when there is
//                                       no file to read (a folder, for one)
//   readonly                         -> takes the write permission away, as a carer who
//                                       locks the settings does; readonly
// Hex is two lower-case digits per byte, nothing for no bytes. The same scripts run
// through the Windows functions under Wine (tests/wine-profile), and the outputs must match.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include "platform/profile.h"

namespace {

std::string hex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool unhex(const std::string& text, std::string& bytes) {
    if (text.size() % 2) return false;
    bytes.clear();
    for (size_t i = 0; i < text.size(); i += 2) {
        const int high = hexDigit(text[i]);
        const int low = hexDigit(text[i + 1]);
        if (high < 0 || low < 0) return false;
        bytes += static_cast<char>(high * 16 + low);
    }
    return true;
}

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out(1);
    for (char c : line) {
        if (c == '\t')
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

bool parseSize(const std::string& text, unsigned& size) {
    if (text.empty() || text.size() > 9) return false;
    size = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        size = size * 10 + static_cast<unsigned>(c - '0');
    }
    return true;
}

// The file's bytes, or nothing when it cannot be read as a file: Windows will not open a
// folder as a file at all, and the C++ library throws where the read fails instead.
std::optional<std::string> readWhole(const std::string& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return bytes.str();
}

bool makeReadOnly(const std::string& file) {
#ifdef _WIN32
    return SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY) != 0;
#else
    return chmod(file.c_str(), 0444) == 0;
#endif
}

std::string run(const std::string& file, const std::vector<std::string>& f) {
    const std::string& op = f[0];
    if (op == "get" && f.size() == 5) {
        unsigned size;
        if (!parseSize(f[4], size)) return "error";
        const zv::ProfileRead read = zv::profileGet(file, f[1], f[2], f[3], size);
        return "ret=" + std::to_string(read.ret) + "\t" + hex(read.value);
    }
    if (op == "set" && f.size() == 4) return zv::profileSet(file, f[1], f[2], f[3]) ? "ok=1" : "ok=0";
    if (op == "raw" && f.size() <= 2) {
        std::string bytes;
        if (!unhex(f.size() == 2 ? f[1] : "", bytes)) return "error";
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << bytes;
        return out.flush() ? "raw" : "raw failed";
    }
    if (op == "readonly" && f.size() == 1) return makeReadOnly(file) ? "readonly" : "readonly failed";
    if (op == "dump" && f.size() == 1) {
        const std::optional<std::string> bytes = readWhole(file);
        return bytes ? hex(*bytes) : "missing";
    }
    return "error";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: zentavoro-ini FILE < SCRIPT\n";
        return 2;
    }
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const std::string file = argv[1];
    std::string line;
    try {
        while (std::getline(std::cin, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            std::cout << run(file, fields(line)) << '\n' << std::flush;
        }
    } catch (const std::exception& e) {
        std::cerr << "zentavoro-ini: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
