#pragma once

#include <QCursor>
#include <QImage>
#include <QPoint>

// The eyedropper pointer: 32 x 32, black outline and bulb, white glass,
// its tip at the left edge pointing down-left.
constexpr int kSpoitCursorSide = 32;
constexpr QPoint kSpoitHotSpot(0, 15);

// ARGB32, transparent around the dropper; also the idle picture of the
// eyedropper button.
QImage SpoitCursorImage();

// Two-colour bitmap (1 = black) and mask (1 = drawn) made from the image.
QImage SpoitCursorBitmap();
QImage SpoitCursorMask();

// Needs a QGuiApplication; a pixmap cursor on Wayland, else bitmap and mask.
QCursor SpoitCursor();
