#include "backends/win32/pictures.h"

#include "backends/win32/wide.h"

namespace zv::win32 {

Pictures::~Pictures() {
    for (auto& [name, bitmap] : loaded_)
        if (bitmap) DeleteObject(bitmap);
    for (auto& [name, bitmap] : snapshots_) DeleteObject(bitmap);
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
