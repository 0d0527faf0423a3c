#include "sampling/SpoitCursor.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QPixmap>
#include <algorithm>
#include <cmath>

namespace {

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;

// Half the width of the dropper at distance s from the tip along its axis.
double HalfWidth(double s) {
    if (s < 0)
        return -1;
    if (s < 4)
        return 0.8 + s * 0.3; // nozzle
    if (s < 10)
        return 2.6; // glass
    if (s < 12)
        return 4.2; // collar
    if (s < 16)
        return 3.2; // bulb
    if (s < 18.5)
        return std::sqrt(std::max(0.0, 3.2 * 3.2 - (s - 16) * (s - 16) * 1.6)); // rounded end
    return -1;
}

bool Inside(int x, int y) {
    if (x < 0 || y < 0 || x >= kSpoitCursorSide || y >= kSpoitCursorSide)
        return false;
    // Axis from the tip up and to the right, at 45 degrees.
    const double dx = x - kSpoitHotSpot.x();
    const double dy = y - kSpoitHotSpot.y();
    const double s = (dx - dy) / std::sqrt(2.0);
    const double t = (dx + dy) / std::sqrt(2.0);
    const double w = HalfWidth(s);
    return w >= 0 && std::abs(t) <= w;
}

bool InBulb(int x, int y) {
    const double s = ((x - kSpoitHotSpot.x()) - (y - kSpoitHotSpot.y())) / std::sqrt(2.0);
    return s >= 10;
}

} // namespace

QImage SpoitCursorImage() {
    QImage image(kSpoitCursorSide, kSpoitCursorSide, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < kSpoitCursorSide; ++y) {
        for (int x = 0; x < kSpoitCursorSide; ++x) {
            if (!Inside(x, y))
                continue;
            bool edge = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    edge = edge || !Inside(x + dx, y + dy);
            image.setPixel(x, y, edge || InBulb(x, y) ? kBlack : kWhite);
        }
    }
    // The hot spot itself is always drawn, so the pointer shows where it reads.
    image.setPixel(kSpoitHotSpot, kBlack);
    return image;
}

namespace {

QImage MonoFrom(const QImage& image, bool (*set)(QRgb)) {
    QImage mono(image.size(), QImage::Format_MonoLSB);
    mono.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    mono.fill(0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (set(image.pixel(x, y)))
                mono.setPixel(x, y, 1);
    return mono;
}

} // namespace

QImage SpoitCursorBitmap() {
    return MonoFrom(SpoitCursorImage(),
                    [](QRgb p) { return qAlpha(p) != 0 && (p & 0xFFFFFF) == 0; });
}

QImage SpoitCursorMask() {
    return MonoFrom(SpoitCursorImage(), [](QRgb p) { return qAlpha(p) != 0; });
}

QCursor SpoitCursor() {
    // Qt's Wayland platform draws a cursor only from its pixmap, which a
    // bitmap cursor lacks: the pointer would vanish. The same two colours.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return QCursor(QPixmap::fromImage(SpoitCursorImage()), kSpoitHotSpot.x(),
                       kSpoitHotSpot.y());
    return QCursor(QBitmap::fromImage(SpoitCursorBitmap()), QBitmap::fromImage(SpoitCursorMask()),
                   kSpoitHotSpot.x(), kSpoitHotSpot.y());
}
