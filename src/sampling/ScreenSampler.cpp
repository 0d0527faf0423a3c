#include "sampling/ScreenSampler.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cmath>

QPoint DevicePixelAt(QPointF offset, qreal ratio) {
    // Event positions are device positions divided by the ratio; the slack
    // keeps x / r * r from landing just below the pixel it came from.
    constexpr double slack = 1e-6;
    return QPoint(int(std::floor(offset.x() * ratio + slack)),
                  int(std::floor(offset.y() * ratio + slack)));
}

std::optional<SampleGrid> LiveScreenSampler::sample(QPointF pointer, QPoint nudge) {
    const QPoint logical(int(std::floor(pointer.x())), int(std::floor(pointer.y())));
    QScreen* screen = QGuiApplication::screenAt(logical);
    if (!screen)
        return std::nullopt;
    const QRect geometry = screen->geometry();
    const qreal ratio = screen->devicePixelRatio() > 0 ? screen->devicePixelRatio() : 1.0;
    const QPoint device = DevicePixelAt(pointer - QPointF(geometry.topLeft()), ratio) + nudge;

    // The logical rectangle, relative to the screen, that covers the device
    // square; with a fractional ratio one extra unit right and below absorbs
    // the rounding of the grab's own conversion.
    const int extra = ratio == std::floor(ratio) ? 0 : 1;
    const QRect square(device.x() - kSampleCentre, device.y() - kSampleCentre, kSampleSide,
                       kSampleSide);
    const int left = int(std::floor(square.left() / ratio));
    const int top = int(std::floor(square.top() / ratio));
    const int right = int(std::ceil((square.right() + 1) / ratio)) + extra;
    const int bottom = int(std::ceil((square.bottom() + 1) / ratio)) + extra;
    const QRect wanted = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)) &
                         QRect(QPoint(0, 0), geometry.size());
    if (wanted.isEmpty())
        return SampleGrid{}; // wholly off the screen: all black

    const QPixmap grab =
        screen->grabWindow(0, wanted.x(), wanted.y(), wanted.width(), wanted.height());
    if (grab.isNull())
        return std::nullopt;
    const QImage image = grab.toImage();
    const qreal grabRatio = image.devicePixelRatio() > 0 ? image.devicePixelRatio() : ratio;
    const QPoint origin(qRound(wanted.x() * grabRatio), qRound(wanted.y() * grabRatio));
    return SampleGridFromImage(image, device - origin);
}

FrozenImageSampler::FrozenImageSampler(QImage picture, QPoint origin)
    : m_picture(std::move(picture)), m_origin(origin) {}

std::optional<SampleGrid> FrozenImageSampler::sample(QPointF pointer, QPoint nudge) {
    if (m_picture.isNull())
        return std::nullopt;
    const qreal ratio = m_picture.devicePixelRatio() > 0 ? m_picture.devicePixelRatio() : 1.0;
    const QPoint device = DevicePixelAt(pointer - QPointF(m_origin), ratio) + nudge;
    return SampleGridFromImage(m_picture, device);
}
