#pragma once
// The pictures that images and tool buttons show: bitmaps stored as resources of the
// program, and the screen snapshots the platform takes.

#include <windows.h>

#include <map>
#include <string>

namespace zv::win32 {

class Pictures {
public:
    explicit Pictures(HINSTANCE instance) : instance_(instance) {}
    ~Pictures();
    Pictures(const Pictures&) = delete;
    Pictures& operator=(const Pictures&) = delete;

    // The bitmap of a picture name ("ejecutar", "pictures/ejecutar.bmp" and "EJECUTAR"
    // name the same resource), or null when there is none.
    HBITMAP find(const std::string& name);
    std::string addSnapshot(HBITMAP bitmap);
    void release(const std::string& name);

    // The resource name of a picture: its file name without folder and extension, in capitals.
    static std::wstring resourceName(const std::string& picture);

private:
    HINSTANCE instance_;
    std::map<std::string, HBITMAP> loaded_;
    std::map<std::string, HBITMAP> snapshots_;
    unsigned nextSnapshot_ = 1;
};

}  // namespace zv::win32
