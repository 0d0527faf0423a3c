#pragma once

#include <array>
#include <cstdint>

// The on-disk and in-memory layout of a device-independent bitmap.

constexpr uint16_t CF_DIB = 8;

constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_RLE8 = 1;
constexpr uint32_t BI_RLE4 = 2;
constexpr uint32_t BI_BITFIELDS = 3;

struct BitmapInfoHeader {
    uint32_t biSize = 40;
    int32_t biWidth = 0;
    int32_t biHeight = 0;
    uint16_t biPlanes = 1;
    uint16_t biBitCount = 0;
    uint32_t biCompression = BI_RGB;
    uint32_t biSizeImage = 0;
    int32_t biXPelsPerMeter = 0;
    int32_t biYPelsPerMeter = 0;
    uint32_t biClrUsed = 0;
    uint32_t biClrImportant = 0;
};

struct RgbQuad {
    uint8_t rgbBlue = 0;
    uint8_t rgbGreen = 0;
    uint8_t rgbRed = 0;
    uint8_t rgbReserved = 0;
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
constexpr int64_t DibRowSize(int64_t width, int64_t bitCount) {
    return ((width * bitCount + 31) / 32) * 4;
}

// Loaders refuse pictures above these sizes before allocating anything.
constexpr int64_t DibMaxSide = 32768;
constexpr int64_t DibMaxPixels = int64_t(1) << 30;
// No pixel section is larger than this, whatever a header claims; the same
// bound Qt's image readers keep by default.
constexpr int64_t DibAllocationLimitDefault = int64_t(256) << 20;
void DibSetAllocationLimit(int64_t bytes);
int64_t DibAllocationLimit();
