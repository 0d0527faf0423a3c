#pragma once

// Header only, for the libraries that draw with QtGui: core itself links
// QtCore alone.

#include "core/Color.h"

#include <QColor>
#include <QRgb>

// The colour opaque, as Qt paints it.
inline QColor ToQColor(TColor color) {
    return QColor(ColorRed(color), ColorGreen(color), ColorBlue(color));
}

inline QRgb ToQRgb(TColor color) {
    return qRgb(ColorRed(color), ColorGreen(color), ColorBlue(color));
}

// Red, green and blue of a Qt colour; its alpha is dropped.
inline TColor FromQColor(const QColor& color) {
    return RgbToColor(color.red(), color.green(), color.blue());
}
