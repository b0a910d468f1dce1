// Small translations between the program and Qt or Linux, checked without a display.
#include "backends/x11/conversions.h"

#include <cmath>

#include "platform/text.h"

namespace zv::x11 {

int absoluteToPixel(int absolute, int extent) {
    if (extent <= 0) return 0;
    const long p = std::lround(static_cast<double>(absolute) * extent / 65535.0);
    if (p < 0) return 0;
    if (p > extent - 1) return extent - 1;
    return static_cast<int>(p);
}

VersionInfo versionFromKernel(const std::string& sysname, const std::string& release) {
    VersionInfo v;
    unsigned* parts[] = {&v.major, &v.minor, &v.build};
    size_t i = 0;
    for (unsigned* part : parts) {
        if (i >= release.size() || release[i] < '0' || release[i] > '9') break;
        unsigned n = 0;
        while (i < release.size() && release[i] >= '0' && release[i] <= '9') {
            n = n * 10 + static_cast<unsigned>(release[i] - '0');
            ++i;
        }
        *part = n;
        if (i < release.size() && release[i] == '.') ++i;
        else break;
    }
    v.platformId = 2;
    v.servicePack = sysname.empty() ? release : sysname + " " + release;
    return v;
}

QString qtText(const std::string& cp1252) { return QString::fromStdString(cp1252ToUtf8(cp1252)); }

QFont qtFont(const FontSpec& f, QFont font) {
    if (!f.family.empty()) font.setFamilies({qtText(f.family), "Liberation Sans", "DejaVu Sans"});
    if (f.height != 0) font.setPixelSize(f.height < 0 ? -f.height : f.height);
    font.setBold(f.bold);
    return font;
}

bool fontGiven(const FontSpec& f) { return !f.family.empty() || f.height != 0 || f.bold; }

std::optional<MouseButton> modelButton(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    default: return std::nullopt;
    }
}

QStringList qtNameFilters(const std::vector<std::pair<std::string, std::string>>& filters) {
    QStringList out;
    for (const auto& [description, pattern] : filters) {
        QString patterns = QString::fromStdString(cp1252ToUtf8(pattern));
        patterns.replace(';', ' ');
        QString desc = QString::fromStdString(cp1252ToUtf8(description)).trimmed();
        // The descriptions usually show their patterns already; Qt reads them from there.
        if (desc.endsWith('(' + patterns + ')')) {
            out << desc;
        } else {
            out << desc + " (" + patterns + ")";
        }
    }
    return out;
}

}  // namespace zv::x11
