#pragma once

#include "dib/DibErrors.h"
#include "pictures/TVmDIB.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPainter>

// Runs what a loaded picture goes through: conversion to 24 bits and back to
// 8-bit RLE, drawing and saving, each of which may fail only with a picture error.
inline void Exercise(TVmDIB& dib) {
    try {
        TVmDIB copy;
        copy.Assign(&dib);
        copy.SetPixelFormat(DibFormat24Bit);
        // The quantiser is slow under the sanitizers; small pictures only.
        if (qint64(copy.GetWidth()) * copy.GetHeight() <= 4096)
            copy.SetPixelFormat(DibFormat8BitRLE);
    } catch (const EPictureError&) {
    }
    QImage target(16, 16, QImage::Format_RGB32);
    {
        QPainter painter(&target);
        dib.Draw(painter, QRect(0, 0, 16, 16));
        dib.HalftoneMode = 1;
        dib.Draw(painter, QRect(0, 0, 5, 3));
        dib.HalftoneMode = 0;
    }
    try {
        QByteArray saved;
        QBuffer buffer(&saved);
        buffer.open(QIODevice::WriteOnly);
        dib.SaveToStream(buffer);
        quint16 format;
        QByteArray block;
        TVmPaletteRef palette;
        dib.SaveToClipboardFormat(format, block, palette);
    } catch (const EPictureError&) {
    }
}
