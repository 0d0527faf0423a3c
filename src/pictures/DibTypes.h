#pragma once

#include <QtGlobal>
#include <array>
#include <cstdint>

// The on-disk and in-memory layout of a device-independent bitmap.

constexpr quint16 CF_DIB = 8;

constexpr quint32 BI_RGB = 0;
constexpr quint32 BI_RLE8 = 1;
constexpr quint32 BI_RLE4 = 2;
constexpr quint32 BI_BITFIELDS = 3;

struct BitmapInfoHeader {
    quint32 biSize = 40;
    qint32 biWidth = 0;
    qint32 biHeight = 0;
    quint16 biPlanes = 1;
    quint16 biBitCount = 0;
    quint32 biCompression = BI_RGB;
    quint32 biSizeImage = 0;
    qint32 biXPelsPerMeter = 0;
    qint32 biYPelsPerMeter = 0;
    quint32 biClrUsed = 0;
    quint32 biClrImportant = 0;
};

struct RgbQuad {
    quint8 rgbBlue = 0;
    quint8 rgbGreen = 0;
    quint8 rgbRed = 0;
    quint8 rgbReserved = 0;
    bool operator==(const RgbQuad&) const = default;
};

using ColorTable = std::array<RgbQuad, 256>;

enum DibPixelFormat {
    DibFormat1Bit = 0,
    DibFormat4Bit = 1,
    DibFormat4BitRLE = 2,
    DibFormat8Bit = 3,
    DibFormat8BitRLE = 4,
    DibFormat24Bit = 5,
    DibFormatHalftone = 6,
    DibFormatHalftoneBW = 7,
};

enum DibConvertQuality { ConvertQualityLow = 0, ConvertQualityHigh = 1 };

// Bytes of one pixel row, padded to 32 bits; 64-bit so that no header can overflow it.
constexpr qint64 DibRowSize(qint64 width, qint64 bitCount) {
    return ((width * bitCount + 31) / 32) * 4;
}

// Loaders refuse pictures above these sizes before allocating anything.
constexpr qint64 DibMaxSide = 32768;
constexpr qint64 DibMaxPixelsDefault = qint64(1) << 30;
// Fuzzing lowers the pixel limit so that tiny inputs cannot ask for gigabytes.
void DibSetMaxPixels(qint64 pixels);
qint64 DibMaxPixels();
