#pragma once
// The small translations between what the program asks and what Linux offers, kept
// apart so that they can be checked without a display.

#include <string>
#include <utility>
#include <vector>

#include <optional>

#include <QFont>
#include <QStringList>

#include "platform/platform.h"

namespace zv::x11 {

// An absolute mouse coordinate (0..65535 across the screen) back in pixels: the inverse
// of the program's own conversion, so that the pointer lands on the pixel it was given.
int absoluteToPixel(int absolute, int extent);

// The version the program shows, from the kernel: "6.1.0-13-amd64" gives 6, 1 and 0;
// the platform number is 2, the one the program knows for a current system; the text
// after the numbers is the system's name and the whole release ("Linux 6.1.0-13-amd64").
VersionInfo versionFromKernel(const std::string& sysname, const std::string& release);

// Code page 1252 text as Qt's.
QString qtText(const std::string& cp1252);

// A form's or a widget's font: Windows fonts that Linux rarely has fall back to
// look-alikes of the same size. fontGiven: whether the model names one at all.
QFont qtFont(const FontSpec& f, QFont base);
bool fontGiven(const FontSpec& f);

// The model's button for Qt's; nothing for the buttons the program does not know.
std::optional<MouseButton> modelButton(Qt::MouseButton b);

// The file dialog's filters, pairs of description and pattern ("*.zvo", "*.a;*.b"), as
// Qt's name filters ("Archivos zentavoro (*.zvo)"), in UTF-8.
QStringList qtNameFilters(const std::vector<std::pair<std::string, std::string>>& filters);

}  // namespace zv::x11
