// The program's pictures, built in or from the data folder, and the screen snapshots taken while recording.
#include "backends/x11/pictures.h"

#include <QBitmap>
#include <QCoreApplication>
#include <QFile>
#include <QImage>

namespace zv::x11 {

std::string pictureKey(const std::string& name) {
    std::string base = name;
    if (auto slash = base.find_last_of("/\\"); slash != std::string::npos) base = base.substr(slash + 1);
    if (auto dot = base.rfind('.'); dot != std::string::npos && dot > 0) base = base.substr(0, dot);
    for (char& c : base)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return base;
}

namespace {

// Built in first; then the installed data folder and the source tree, so that a picture
// added after the build still shows in a developer's run.
QPixmap loadProgramPicture(const std::string& key) {
    const QString file = QString::fromStdString(key);
    const QStringList candidates = {
        ":/pictures/" + file + ".bmp",
        ":/pictures/" + file + ".png",
        QStringLiteral(ZENTAVORO_DATA_DIR "/pictures/") + file + ".bmp",
        QCoreApplication::applicationDirPath() + "/../share/zentavoro/pictures/" + file + ".bmp",
        QStringLiteral(ZENTAVORO_SOURCE_ASSETS "/pictures/") + file + ".bmp",
    };
    for (const QString& c : candidates) {
        if (!QFile::exists(c)) continue;
        QPixmap p(c);
        if (!p.isNull()) return p;
    }
    return {};
}

}  // namespace

QPixmap Pictures::find(const std::string& name) {
    if (auto it = held_.find(name); it != held_.end()) return it->second;
    const std::string key = pictureKey(name);
    auto it = loaded_.find(key);
    if (it == loaded_.end()) it = loaded_.emplace(key, loadProgramPicture(key)).first;
    return it->second;
}

QPixmap Pictures::findTransparent(const std::string& name) {
    QPixmap p = find(name);
    if (p.isNull() || held_.count(name)) return p;
    const QImage image = p.toImage();
    const QColor ground = image.pixelColor(0, image.height() - 1);
    p.setMask(p.createMaskFromColor(ground, Qt::MaskInColor));
    return p;
}

std::string Pictures::add(const QPixmap& picture) {
    std::string name = "screen:" + std::to_string(next_++);
    held_[name] = picture;
    return name;
}

void Pictures::remove(const std::string& name) { held_.erase(name); }

}  // namespace zv::x11
