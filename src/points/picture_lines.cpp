#include "points/picture_lines.h"

#include <charconv>
#include <map>
#include <optional>
#include <set>

namespace zv {

namespace {

constexpr const char* kPrefix = "//zv ";
constexpr size_t kPiece = 76;
constexpr int kLargestSide = 512;

constexpr const char* kBase64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int base64Value(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

std::string toBase64(const std::vector<uint8_t>& bytes) {
    std::string out;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const uint32_t n = (uint32_t{bytes[i]} << 16) | (i + 1 < bytes.size() ? uint32_t{bytes[i + 1]} << 8 : 0) |
                           (i + 2 < bytes.size() ? uint32_t{bytes[i + 2]} : 0);
        out += kBase64[(n >> 18) & 63];
        out += kBase64[(n >> 12) & 63];
        out += i + 1 < bytes.size() ? kBase64[(n >> 6) & 63] : '=';
        out += i + 2 < bytes.size() ? kBase64[n & 63] : '=';
    }
    return out;
}

std::optional<std::vector<uint8_t>> fromBase64(const std::string& text) {
    if (text.size() % 4 != 0) return std::nullopt;
    std::vector<uint8_t> out;
    for (size_t i = 0; i < text.size(); i += 4) {
        int v[4];
        int pad = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = text[i + static_cast<size_t>(k)];
            if (c == '=' && i + 4 == text.size() && k >= 2) {
                v[k] = 0;
                ++pad;
                continue;
            }
            if (pad) return std::nullopt;
            v[k] = base64Value(c);
            if (v[k] < 0) return std::nullopt;
        }
        const uint32_t n = (static_cast<uint32_t>(v[0]) << 18) | (static_cast<uint32_t>(v[1]) << 12) |
                           (static_cast<uint32_t>(v[2]) << 6) | static_cast<uint32_t>(v[3]);
        out.push_back(static_cast<uint8_t>(n >> 16));
        if (pad < 2) out.push_back(static_cast<uint8_t>(n >> 8));
        if (pad < 1) out.push_back(static_cast<uint8_t>(n));
    }
    return out;
}

// Four bits a channel: 0x123 is red 0x11, green 0x22, blue 0x33.
uint32_t toCode(uint32_t pixel) {
    auto q = [&](int shift) { return ((((pixel >> shift) & 0xFF) + 8) / 17) & 0xF; };
    return (q(16) << 8) | (q(8) << 4) | q(0);
}

uint32_t fromCode(uint32_t code) {
    return (((code >> 8) & 0xF) * 17 << 16) | (((code >> 4) & 0xF) * 17 << 8) | ((code & 0xF) * 17);
}

// Tokens of 16 bits, high byte first:
//   0x0000-0xDFFF  a colour (the low 12 bits), for 1 to 14 pixels (the high 4 bits + 1)
//   0xE000-0xEFFF  the previous colour again, for 1 to 4096 more pixels (low 12 bits + 1)
//   0xF000-0xFFFF  unseen pixels, 1 to 4096 of them (low 12 bits + 1)
void token(std::vector<uint8_t>& out, uint32_t t) {
    out.push_back(static_cast<uint8_t>(t >> 8));
    out.push_back(static_cast<uint8_t>(t));
}

std::optional<int> integer(const std::string& t) {
    int value = 0;
    const char* end = t.data() + t.size();
    auto [ptr, ec] = std::from_chars(t.data(), end, value);
    if (t.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

std::vector<std::string> words(const std::string& line, size_t from) {
    std::vector<std::string> out;
    size_t i = from;
    while (i < line.size()) {
        if (line[i] == ' ') {
            ++i;
            continue;
        }
        const size_t end = line.find(' ', i);
        out.push_back(line.substr(i, end == std::string::npos ? std::string::npos : end - i));
        i = end == std::string::npos ? line.size() : end;
    }
    return out;
}

}  // namespace

ScreenPixels asStored(const ScreenPixels& picture) {
    ScreenPixels out = picture;
    for (uint32_t& p : out.pixels)
        if (p != ScreenPixels::kUnseen) p = fromCode(toCode(p));
    return out;
}

std::string encodePixels(const ScreenPixels& picture) {
    std::vector<uint8_t> bytes;
    const size_t count = picture.pixels.size();
    for (size_t i = 0; i < count;) {
        const uint32_t p = picture.pixels[i];
        const bool unseen = p == ScreenPixels::kUnseen;
        const uint32_t code = unseen ? 0 : toCode(p);
        size_t run = 1;
        while (i + run < count) {
            const uint32_t q = picture.pixels[i + run];
            if (unseen ? q != ScreenPixels::kUnseen : q == ScreenPixels::kUnseen || toCode(q) != code) break;
            ++run;
        }
        i += run;
        if (unseen) {
            for (; run > 0; run -= std::min<size_t>(run, 4096)) token(bytes, 0xF000 | static_cast<uint32_t>(std::min<size_t>(run, 4096) - 1));
            continue;
        }
        const size_t first = std::min<size_t>(run, 14);
        token(bytes, (static_cast<uint32_t>(first - 1) << 12) | code);
        for (run -= first; run > 0; run -= std::min<size_t>(run, 4096))
            token(bytes, 0xE000 | static_cast<uint32_t>(std::min<size_t>(run, 4096) - 1));
    }
    return toBase64(bytes);
}

std::optional<ScreenPixels> decodePixels(const std::string& text, int width, int height) {
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide) return std::nullopt;
    const auto bytes = fromBase64(text);
    if (!bytes || bytes->size() % 2 != 0) return std::nullopt;
    ScreenPixels out(width, height);
    const size_t count = out.pixels.size();
    size_t at = 0;
    std::optional<uint32_t> previous;
    for (size_t i = 0; i < bytes->size(); i += 2) {
        const uint32_t t = (uint32_t{(*bytes)[i]} << 8) | (*bytes)[i + 1];
        uint32_t value = ScreenPixels::kUnseen;
        size_t run = (t & 0xFFF) + 1;
        if (t < 0xE000) {
            previous = fromCode(t & 0xFFF);
            value = *previous;
            run = (t >> 12) + 1;
        } else if (t < 0xF000) {
            if (!previous) return std::nullopt;
            value = *previous;
        }
        if (at + run > count) return std::nullopt;
        for (size_t k = 0; k < run; ++k) out.pixels[at++] = value;
    }
    if (at != count) return std::nullopt;
    return out;
}

std::vector<std::string> pictureLines(const SpotPictures& pictures, int count) {
    std::vector<std::string> lines;
    if (!pictures.any(count)) return lines;
    const std::string prefix = kPrefix;
    lines.push_back(prefix + "pictures " + std::to_string(kPictureLinesVersion));
    for (int i = 0; i < count; ++i) {
        const ScreenPixels* p = pictures.of(i);
        if (!p) continue;
        const std::string number = std::to_string(i + 1);
        lines.push_back(prefix + "picture " + number + " " + std::to_string(p->width) + " " + std::to_string(p->height));
        const std::string text = encodePixels(*p);
        for (size_t at = 0; at < text.size(); at += kPiece)
            lines.push_back(prefix + "pixels " + number + " " + text.substr(at, kPiece));
    }
    return lines;
}

SpotPictures readPictureLinesOf(const std::string& text, int count) {
    struct Pending {
        int width, height;
        std::string text;
    };
    std::map<int, Pending> pending;
    std::set<int> spoilt;
    bool known = false;
    const std::string start = std::string("\n") + kPrefix;
    for (size_t at = text.find(start); at != std::string::npos; at = text.find(start, at + 1)) {
        const size_t from = at + start.size();
        const size_t end = text.find("\r\n", from);
        const std::vector<std::string> w =
            words(text.substr(from, end == std::string::npos ? std::string::npos : end - from), 0);
        if (w.empty()) continue;
        // Words past those a line of this version has are for later versions to use.
        if (w[0] == "pictures" && w.size() >= 2) {
            known = integer(w[1]) == kPictureLinesVersion;
        } else if (known && w[0] == "picture" && w.size() >= 4) {
            const auto p = integer(w[1]), wd = integer(w[2]), h = integer(w[3]);
            if (!p || *p < 1 || *p > count) continue;
            if (!wd || !h || pending.count(*p)) {
                spoilt.insert(*p);
                continue;
            }
            pending[*p] = Pending{*wd, *h, {}};
        } else if (known && w[0] == "pixels" && w.size() >= 3) {
            const auto p = integer(w[1]);
            if (!p || *p < 1 || *p > count) continue;
            const auto it = pending.find(*p);
            if (it == pending.end()) {
                spoilt.insert(*p);
                continue;
            }
            // A picture is at most some hundred kilobytes of text: more is not one.
            if (it->second.text.size() + w[2].size() > size_t{4} << 20) {
                spoilt.insert(*p);
                continue;
            }
            it->second.text += w[2];
        }
    }
    SpotPictures out;
    for (auto& [p, picture] : pending) {
        if (spoilt.count(p)) continue;
        if (auto pixels = decodePixels(picture.text, picture.width, picture.height)) out.set(p - 1, std::move(*pixels));
    }
    return out;
}

}  // namespace zv
