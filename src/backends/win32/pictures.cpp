// The program's bitmaps from the resources, their greyed copies, and the screen snapshots.
#include "backends/win32/pictures.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "backends/win32/wide.h"

namespace zv::win32 {

Pictures::~Pictures() {
    for (auto& [name, bitmap] : loaded_)
        if (bitmap) DeleteObject(bitmap);
    for (auto& [name, bitmap] : snapshots_) DeleteObject(bitmap);
    for (auto& [key, bitmap] : greyed_) DeleteObject(bitmap);
}

std::wstring Pictures::resourceName(const std::string& picture) {
    std::string name = picture;
    if (size_t slash = name.find_last_of("\\/"); slash != std::string::npos) name = name.substr(slash + 1);
    if (size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0) name = name.substr(0, dot);
    for (char& c : name)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return widen(name);
}

HBITMAP Pictures::find(const std::string& name) {
    if (name.empty()) return nullptr;
    if (auto it = snapshots_.find(name); it != snapshots_.end()) return it->second;
    if (auto it = loaded_.find(name); it != loaded_.end()) return it->second;
    auto bitmap = static_cast<HBITMAP>(LoadImageW(instance_, resourceName(name).c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    loaded_[name] = bitmap;
    return bitmap;
}

HBITMAP Pictures::greyed(const std::string& name, COLORREF ground) {
    const auto key = std::make_pair(name, ground);
    if (auto it = greyed_.find(key); it != greyed_.end()) return it->second;
    HBITMAP picture = find(name);
    if (!picture) return nullptr;
    return greyed_[key] = greyedCopy(picture, ground);
}

HBITMAP Pictures::greyedCopy(HBITMAP picture, COLORREF ground) {
    BITMAP bm{};
    if (!GetObjectW(picture, sizeof bm, &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return nullptr;
    const int w = bm.bmWidth, h = bm.bmHeight;
    BITMAPINFO info = topDownPixels(w, h);
    std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, picture, 0, h, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != h) return nullptr;

    // Pixels are 0x00RRGGBB here, COLORREFs 0x00BBGGRR.
    const uint32_t key = pixels[static_cast<size_t>(h - 1) * w] & 0xFFFFFF;
    const uint32_t gr = GetRValue(ground), gg = GetGValue(ground), gb = GetBValue(ground);
    const uint32_t groundPixel = (gr << 16) | (gg << 8) | gb;
    for (uint32_t& p : pixels) {
        const uint32_t rgb = p & 0xFFFFFF;
        if (rgb == key) {
            p = groundPixel;
            continue;
        }
        // The brightness the eye sees, half way to the ground: what is dark stays darker
        // than what is light, so the shape still reads, and nothing looks pressable.
        const uint32_t grey = ((rgb >> 16) * 299 + ((rgb >> 8) & 0xFF) * 587 + (rgb & 0xFF) * 114) / 1000;
        p = (((grey + gr) / 2) << 16) | (((grey + gg) / 2) << 8) | ((grey + gb) / 2);
    }
    void* bits = nullptr;
    HBITMAP out = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!out || !bits) return out;
    memcpy(bits, pixels.data(), pixels.size() * sizeof(uint32_t));
    GdiFlush();
    return out;
}

std::string Pictures::addSnapshot(HBITMAP bitmap) {
    std::string name = "snapshot:" + std::to_string(nextSnapshot_++);
    snapshots_[name] = bitmap;
    return name;
}

void Pictures::release(const std::string& name) {
    if (auto it = snapshots_.find(name); it != snapshots_.end()) {
        DeleteObject(it->second);
        snapshots_.erase(it);
    }
}

}  // namespace zv::win32
