// The primary screen: its size through RandR (the output marked primary), else the whole
// root window; every screen, as RandR's monitors; and a snapshot of the primary's pixels.

#include <algorithm>
#include <cmath>
#include <cstring>

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QPixmap>

#include "backends/x11/pictures.h"
#include "backends/x11/x11_platform.h"

// Xlib last: its macros (None, Bool, KeyPress...) would break the headers above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>

namespace zv::x11 {

namespace {

struct Area {
    int x = 0, y = 0, width = 0, height = 0;
};

Area primaryArea(Display* d) {
    const Window root = DefaultRootWindow(d);
    Area area{0, 0, DisplayWidth(d, DefaultScreen(d)), DisplayHeight(d, DefaultScreen(d))};
    int eventBase = 0, errorBase = 0;
    if (!XRRQueryExtension(d, &eventBase, &errorBase)) return area;
    const RROutput primary = XRRGetOutputPrimary(d, root);
    if (primary == None) return area;
    XRRScreenResources* res = XRRGetScreenResourcesCurrent(d, root);
    if (!res) return area;
    if (XRROutputInfo* out = XRRGetOutputInfo(d, res, primary)) {
        if (out->crtc != None) {
            if (XRRCrtcInfo* crtc = XRRGetCrtcInfo(d, res, out->crtc)) {
                if (crtc->width > 0 && crtc->height > 0)
                    area = {crtc->x, crtc->y, static_cast<int>(crtc->width), static_cast<int>(crtc->height)};
                XRRFreeCrtcInfo(crtc);
            }
        }
        XRRFreeOutputInfo(out);
    }
    XRRFreeScreenResources(res);
    return area;
}

int shiftOf(unsigned long mask) {
    int s = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++s;
    }
    return s;
}

QImage toImage(XImage* x) {
    QImage image(x->width, x->height, QImage::Format_RGB32);
    const bool plain32 = x->bits_per_pixel == 32 && x->red_mask == 0xFF0000 && x->green_mask == 0xFF00 &&
                         x->blue_mask == 0xFF && x->byte_order == LSBFirst;
    if (plain32) {
        for (int y = 0; y < x->height; ++y)
            memcpy(image.scanLine(y), x->data + static_cast<size_t>(y) * x->bytes_per_line, static_cast<size_t>(x->width) * 4);
        return image;
    }
    // Any other visual: pixel by pixel through its colour masks.
    const int rs = shiftOf(x->red_mask), gs = shiftOf(x->green_mask), bs = shiftOf(x->blue_mask);
    const unsigned long rm = x->red_mask >> rs, gm = x->green_mask >> gs, bm = x->blue_mask >> bs;
    for (int y = 0; y < x->height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int px = 0; px < x->width; ++px) {
            const unsigned long p = XGetPixel(x, px, y);
            auto scale = [](unsigned long v, unsigned long m) { return m ? static_cast<int>(v * 255 / m) : 0; };
            line[px] = qRgb(scale((p >> rs) & rm, rm), scale((p >> gs) & gm, gm), scale((p >> bs) & bm, bm));
        }
    }
    return image;
}

}  // namespace

ScreenSize X11Platform::primaryScreenSize() {
    const Area a = primaryArea(display_);
    return {a.width, a.height};
}

std::vector<Rect> X11Platform::screens() {
    std::vector<Rect> all;
    int eventBase = 0, errorBase = 0;
    int count = 0;
    XRRMonitorInfo* monitors = XRRQueryExtension(display_, &eventBase, &errorBase)
                                   ? XRRGetMonitors(display_, DefaultRootWindow(display_), True, &count)
                                   : nullptr;
    for (int i = 0; monitors && i < count; ++i) {
        const Rect r{monitors[i].x, monitors[i].y, monitors[i].width, monitors[i].height};
        if (r.width <= 0 || r.height <= 0) continue;
        if (monitors[i].primary)
            all.insert(all.begin(), r);
        else
            all.push_back(r);
    }
    if (monitors) XRRFreeMonitors(monitors);
    // A server without monitors (or without RandR) has the one screen of the root window.
    if (all.empty()) {
        const Area a = primaryArea(display_);
        all.push_back({a.x, a.y, a.width, a.height});
    }
    return all;
}

std::string X11Platform::captureScreen() {
    const Area a = primaryArea(display_);
    XImage* x = XGetImage(display_, DefaultRootWindow(display_), a.x, a.y, static_cast<unsigned>(a.width),
                          static_cast<unsigned>(a.height), AllPlanes, ZPixmap);
    QPixmap picture;
    if (x) {
        picture = QPixmap::fromImage(toImage(x));
        XDestroyImage(x);
    }
    return pictures_->add(picture);
}

void X11Platform::releaseCapture(const std::string& picture) { pictures_->remove(picture); }

std::optional<ScreenPixels> X11Platform::screenPixels(const Rect& area) {
    if (area.width <= 0 || area.height <= 0) return std::nullopt;
    ScreenPixels out(area.width, area.height);
    // Only the part on the root window can be read; the rest is off every screen.
    const int rootW = DisplayWidth(display_, DefaultScreen(display_)), rootH = DisplayHeight(display_, DefaultScreen(display_));
    const int x0 = std::max(area.left, 0), y0 = std::max(area.top, 0);
    const int x1 = std::min(area.left + area.width, rootW), y1 = std::min(area.top + area.height, rootH);
    if (x0 >= x1 || y0 >= y1) return out;
    // What Qt has drawn of our own windows must be on the screen before it is read.
    syncToolkit();
    XImage* x = XGetImage(display_, DefaultRootWindow(display_), x0, y0, static_cast<unsigned>(x1 - x0),
                          static_cast<unsigned>(y1 - y0), AllPlanes, ZPixmap);
    if (!x) return std::nullopt;
    const QImage image = toImage(x);
    XDestroyImage(x);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int i = 0; i < image.width(); ++i)
            out.at(x0 - area.left + i, y0 - area.top + y) = static_cast<uint32_t>(line[i]) & 0xFFFFFF;
    }
    return out;
}

int X11Platform::displayScale(int x, int y) {
    const QScreen* screen = QGuiApplication::screenAt(QPoint(x, y));
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return 100;
    return std::max(25, static_cast<int>(std::lround(screen->logicalDotsPerInch() * 100.0 / 96.0)));
}

}  // namespace zv::x11
