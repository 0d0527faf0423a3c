#pragma once

#include "sampling/SampleGrid.h"

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <optional>

// Where the eyedropper reads its 9 x 9 square. Positions are global logical
// coordinates (QMouseEvent::globalPosition(), QCursor::pos()); the square is
// read in device pixels, so with a device-pixel ratio above 1 it is the
// 9 x 9 device pixels around the pointer's device pixel. `nudge` moves the
// centre by whole device pixels, which a logical position cannot express.
// Pixels of the square that lie off the picture read as black; nullopt
// means nothing could be read at all (no screen, or the system refuses).
class ScreenSampler {
public:
    virtual ~ScreenSampler() = default;
    virtual std::optional<SampleGrid> sample(QPointF pointer, QPoint nudge = {}) = 0;
};

// The device pixel that holds `offset` (logical, relative to the picture's
// origin) at ratio `ratio`.
QPoint DevicePixelAt(QPointF offset, qreal ratio);

// Reads the screen under the pointer with QScreen::grabWindow, once per call.
// Needs a QGuiApplication; under Wayland the grab yields nothing.
class LiveScreenSampler : public ScreenSampler {
public:
    std::optional<SampleGrid> sample(QPointF pointer, QPoint nudge = {}) override;
};

// Reads a picture taken earlier, such as a screenshot handed over by the
// desktop. Picture pixel (0, 0) sits at logical position `origin`, and the
// picture's devicePixelRatio() says how many pixels make one logical unit.
class FrozenImageSampler : public ScreenSampler {
public:
    explicit FrozenImageSampler(QImage picture, QPoint origin = {});
    std::optional<SampleGrid> sample(QPointF pointer, QPoint nudge = {}) override;

    const QImage& picture() const { return m_picture; }

private:
    QImage m_picture;
    QPoint m_origin;
};
