#pragma once

#include "DibSection.h"
#include "DibTypes.h"

// Header, colour table and pixel section of one picture: what every
// conversion takes and gives.
struct DibContent {
    BitmapInfoHeader header;
    ColorTable colors{};
    DibSection bits;

    qint32 width() const { return header.biWidth; }
    qint32 absHeight() const { return header.biHeight < 0 ? -header.biHeight : header.biHeight; }
    qint64 rowSize() const { return DibRowSize(header.biWidth, header.biBitCount); }
    // Start of stored row `row` (0 is the first row in memory).
    uchar* row(qint32 row) { return bits.data() + qint64(row) * rowSize(); }
    const uchar* row(qint32 row) const { return bits.data() + qint64(row) * rowSize(); }

    DibContent clone() const;
};

// Zero-filled content of the given size and format (no checks; callers check).
DibContent MakeDibContent(qint32 width, qint32 height, int bitCount, quint32 colorsUsed);
