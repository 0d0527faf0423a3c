#pragma once

#include "DibSection.h"
#include "DibTypes.h"

// Header, colour table and pixel section of one picture: what every
// conversion takes and gives.
struct DibContent {
    BitmapInfoHeader header;
    ColorTable colors{};
    DibSection bits;

    int32_t width() const { return header.biWidth; }
    int32_t absHeight() const { return header.biHeight < 0 ? -header.biHeight : header.biHeight; }
    int64_t rowSize() const { return DibRowSize(header.biWidth, header.biBitCount); }
    // Start of stored row `row` (0 is the first row in memory).
    uint8_t* row(int32_t row) { return bits.data() + int64_t(row) * rowSize(); }
    const uint8_t* row(int32_t row) const { return bits.data() + int64_t(row) * rowSize(); }

    DibContent clone() const;
};

// Zero-filled content of the given size and format (no checks; callers check).
DibContent MakeDibContent(int32_t width, int32_t height, int bitCount, uint32_t colorsUsed);
