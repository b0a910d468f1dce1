#pragma once
// The pictures that images and tool buttons show: bitmaps stored as resources of the
// program, and the screen snapshots the platform takes.

#include <windows.h>

#include <map>
#include <string>
#include <utility>

namespace zv::win32 {

// 32-bit pixels, top row first: how pictures are read (GetDIBits) and made
// (CreateDIBSection) pixel by pixel.
inline BITMAPINFO topDownPixels(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

class Pictures {
public:
    explicit Pictures(HINSTANCE instance) : instance_(instance) {}
    ~Pictures();
    Pictures(const Pictures&) = delete;
    Pictures& operator=(const Pictures&) = delete;

    // The bitmap of a picture name ("ejecutar", "pictures/ejecutar.bmp" and "EJECUTAR"
    // name the same resource), or null when there is none.
    HBITMAP find(const std::string& name);
    // The picture as a disabled button shows it: grey, faded towards the ground it is
    // drawn on, its transparent colour (the bottom-left pixel's) replaced by that ground.
    // Null when there is no such picture.
    HBITMAP greyed(const std::string& name, COLORREF ground);
    // Snapshots of the screen are shown pixel for pixel, whatever the screen's scale.
    bool isSnapshot(const std::string& name) const { return snapshots_.count(name) != 0; }
    std::string addSnapshot(HBITMAP bitmap);
    void release(const std::string& name);

    // The resource name of a picture: its file name without folder and extension, in capitals.
    static std::wstring resourceName(const std::string& picture);
    // A new 32-bit bitmap: the greyed form of the one given (see greyed()).
    static HBITMAP greyedCopy(HBITMAP picture, COLORREF ground);

private:
    HINSTANCE instance_;
    std::map<std::string, HBITMAP> loaded_;
    std::map<std::string, HBITMAP> snapshots_;
    std::map<std::pair<std::string, COLORREF>, HBITMAP> greyed_;
    unsigned nextSnapshot_ = 1;
};

}  // namespace zv::win32
