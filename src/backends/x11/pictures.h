#pragma once
// The pictures the windows show, by name: the program's own bitmaps (built into the
// executable, or found beside it in the installed data folder) and the screen snapshots
// taken while recording.

#include <map>
#include <string>

#include <QPixmap>

namespace zv::x11 {

class Pictures {
public:
    // A program picture by its name ("ejecutar", also "pictures/ejecutar.bmp"), or a
    // snapshot by the name add() gave it. A null pixmap when there is none.
    QPixmap find(const std::string& name);
    // The same with the colour of its bottom-left pixel made transparent, as the
    // toolbar buttons and the transparent images of the program's windows draw them.
    QPixmap findTransparent(const std::string& name);
    std::string add(const QPixmap& picture);
    void remove(const std::string& name);
    bool has(const std::string& name) const { return held_.count(name) != 0; }

private:
    std::map<std::string, QPixmap> held_;
    std::map<std::string, QPixmap> loaded_;
    int next_ = 1;
};

// The base name without folder and extension, lower case: "Pictures/Ejecutar.BMP" ->
// "ejecutar".
std::string pictureKey(const std::string& name);

}  // namespace zv::x11
