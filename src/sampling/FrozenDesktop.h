#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>

// A screenshot of the whole desktop placed over the screens. The portal
// hands over the desktop in device pixels with no word on the layout; the
// picture covers the bounding rectangle of the screens' logical geometries,
// scaled by one ratio (compositors scale mixed-ratio layouts to the largest).
struct FrozenDesktop {
    QImage picture; // devicePixelRatio() set to the pixels per logical unit
    QPoint origin;  // the logical position of picture pixel (0, 0)
};

// Lays `shot` over `screens` (QScreen::geometry() of each). The ratio comes
// from the widths; with no screens the picture keeps ratio 1 at (0, 0).
FrozenDesktop FrozenDesktopFor(QImage shot, const QList<QRect>& screens);

// The picture's pixels that show the screen at logical `screen`, clipped to
// the picture: what a full-screen window on that screen draws.
QRect FrozenDesktopPart(const FrozenDesktop& desktop, QRect screen);
