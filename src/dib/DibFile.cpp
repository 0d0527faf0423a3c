#include "DibFile.h"

#include "DibErrors.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <functional>
#include <vector>

namespace {

uint16_t ReadU16(const uint8_t* p) {
    return uint16_t(p[0] | (p[1] << 8));
}
uint32_t ReadU32(const uint8_t* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
void PutU16(uint8_t* p, uint32_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
void PutU32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = uint8_t(v >> (8 * i));
}

// The 40-byte header from its little-endian bytes.
BitmapInfoHeader ParseInfoHeader(const uint8_t* p) {
    BitmapInfoHeader h;
    h.biSize = ReadU32(p);
    h.biWidth = int32_t(ReadU32(p + 4));
    h.biHeight = int32_t(ReadU32(p + 8));
    h.biPlanes = ReadU16(p + 12);
    h.biBitCount = ReadU16(p + 14);
    h.biCompression = ReadU32(p + 16);
    h.biSizeImage = ReadU32(p + 20);
    h.biXPelsPerMeter = int32_t(ReadU32(p + 24));
    h.biYPelsPerMeter = int32_t(ReadU32(p + 28));
    h.biClrUsed = ReadU32(p + 32);
    h.biClrImportant = ReadU32(p + 36);
    return h;
}

void WriteInfoHeader(uint8_t* p, const BitmapInfoHeader& h) {
    PutU32(p, 40);
    PutU32(p + 4, uint32_t(h.biWidth));
    PutU32(p + 8, uint32_t(h.biHeight));
    PutU16(p + 12, h.biPlanes);
    PutU16(p + 14, h.biBitCount);
    PutU32(p + 16, h.biCompression);
    PutU32(p + 20, h.biSizeImage);
    PutU32(p + 24, uint32_t(h.biXPelsPerMeter));
    PutU32(p + 28, uint32_t(h.biYPelsPerMeter));
    PutU32(p + 32, h.biClrUsed);
    PutU32(p + 36, h.biClrImportant);
}

// The older 12-byte core header as a 40-byte one.
BitmapInfoHeader CoreToInfoHeader(const uint8_t* p, uint32_t entries) {
    BitmapInfoHeader h;
    h.biWidth = ReadU16(p + 4);
    h.biHeight = ReadU16(p + 6);
    h.biPlanes = ReadU16(p + 8);
    h.biBitCount = ReadU16(p + 10);
    h.biCompression = BI_RGB;
    h.biClrUsed = entries;
    return h;
}

uint32_t DefaultColors(int bitCount) {
    switch (bitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

// Uncompressed pixels: the header alone says how many bytes they take. 16 and
// 32-bit rows are read as stored whatever the compression says.
bool RowsAreStored(const BitmapInfoHeader& h) {
    return h.biCompression == BI_RGB || h.biCompression == BI_BITFIELDS || h.biBitCount == 16 ||
           h.biBitCount == 32;
}

[[noreturn]] void Fail(const char* message) {
    throw EVmDIBInvalidDIB(message);
}

// Refuses shapes that are not pictures or that no row arithmetic could hold,
// before anything is allocated.
void CheckShape(const BitmapInfoHeader& h, bool widthMustBePositive) {
    const char* message = "TVmInternalDIB.LoadFromStream: Invalid Width or Height";
    if ((widthMustBePositive && h.biWidth <= 0) || h.biWidth == 0 || h.biHeight == 0)
        Fail(message);
    if (h.biWidth < 0 || h.biHeight == INT_MIN)
        Fail(message);
    const int64_t w = h.biWidth;
    const int64_t rows = h.biHeight < 0 ? -int64_t(h.biHeight) : int64_t(h.biHeight);
    if (w > DibMaxSide || rows > DibMaxSide || w * rows > DibMaxPixels)
        Fail(message);
    if (h.biHeight < 0 && (h.biCompression == BI_RLE8 || h.biCompression == BI_RLE4))
        Fail(message);
}

// Where 16 and 32-bit pixels put their channels.
struct Masks {
    uint32_t mask[3] = {0, 0, 0}; // red, green, blue
};

int MaskShift(uint32_t mask) {
    int s = 0;
    while (mask >= 256) {
        mask >>= 1;
        ++s;
    }
    while (mask < 128) {
        mask <<= 1;
        --s;
    }
    return s;
}

// Expands 16 or 32-bit rows into a 24-bit section; `readRow` fills one source
// row and returns how many of its bytes exist (the rest count as zero).
DibContent ExpandTo24(const BitmapInfoHeader& source, const ColorTable& colors, const Masks& given,
                      const std::function<int64_t(uint8_t*, int64_t)>& readRow) {
    Masks masks = given;
    if (source.biCompression == BI_RGB) {
        if (source.biBitCount == 16)
            masks = {{0x7C00, 0x03E0, 0x001F}};
        else
            masks = {{0xFF0000, 0x00FF00, 0x0000FF}};
    }
    for (uint32_t m : masks.mask)
        if (m == 0)
            Fail("TVmInternalDIB.LoadFromStream: Invalid Masks");
    int shift[3];
    for (int c = 0; c < 3; ++c)
        shift[c] = MaskShift(masks.mask[c]);

    DibContent out;
    out.header = source;
    out.header.biBitCount = 24;
    out.header.biCompression = BI_RGB;
    out.header.biSizeImage = 0;
    out.colors = colors;
    const int32_t width = source.biWidth;
    const int32_t rows = source.biHeight < 0 ? -source.biHeight : source.biHeight;
    const int64_t dstRow = DibRowSize(width, 24);
    const bool wide = source.biBitCount == 32;
    const int64_t srcRow = wide ? int64_t(width) * 4 : ((int64_t(width) * 2 + 3) / 4) * 4;
    out.bits = DibSection(dstRow * rows);
    std::vector<uint8_t> buffer(static_cast<size_t>(srcRow));
    uint8_t* src = buffer.data();
    auto channel = [&](uint32_t pixel, int c) {
        const uint32_t v = pixel & masks.mask[c];
        return uint8_t((shift[c] >= 0 ? v >> shift[c] : v << -shift[c]) & 0xFF);
    };
    for (int32_t y = 0; y < rows; ++y) {
        const int64_t got = readRow(src, srcRow);
        if (got < srcRow)
            std::memset(src + (got > 0 ? got : 0), 0, size_t(srcRow - (got > 0 ? got : 0)));
        uint8_t* d = out.row(y);
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t pixel =
                wide ? ReadU32(src + int64_t(x) * 4) : ReadU16(src + int64_t(x) * 2);
            d[0] = channel(pixel, 2);
            d[1] = channel(pixel, 1);
            d[2] = channel(pixel, 0);
            d += 3;
        }
    }
    return out;
}

// Reads exactly n bytes or fails as a truncated stream.
void ReadExact(DibByteSource& source, void* data, int64_t n) {
    if (n <= 0)
        return;
    if (source.read(data, n) != n)
        throw EReadError("Stream read error");
}

void Skip(DibByteSource& source, int64_t n) {
    if (n <= 0)
        return;
    if (!source.skip(n))
        throw EReadError("Stream read error");
}

// The 14-byte file header and 40-byte info header of a saved picture.
void WriteHeaders(uint8_t* head, const DibContent& content, uint32_t colors, int64_t tableSize) {
    head[0] = 'B';
    head[1] = 'M';
    PutU32(head + 2, uint32_t(14 + 40 + tableSize + content.bits.size()));
    PutU32(head + 6, 0);
    PutU32(head + 10, uint32_t(54 + tableSize));
    BitmapInfoHeader h = content.header;
    h.biClrUsed = colors;
    WriteInfoHeader(head + 14, h);
}

uint32_t SavedColors(const DibContent& content) {
    return std::min<uint32_t>(content.header.biClrUsed, 256);
}

} // namespace

DibContent ReadDibFile(DibByteSource& source) {
    uint8_t fileHeader[14];
    ReadExact(source, fileHeader, 14);
    if (ReadU16(fileHeader) != 0x4D42)
        throw EVmDIBInvalidDIBFile("TVmInternalDIB.LoadFromFile: File type is invalid");
    const int64_t fileSize = ReadU32(fileHeader + 2);

    uint8_t raw[52] = {};
    ReadExact(source, raw, 4);
    const uint32_t headerSize = ReadU32(raw);
    BitmapInfoHeader h;
    DibContent content;
    Masks masks;
    int64_t declaredBits = 0;
    // 52 and 56 bytes: the 40-byte header with its masks inside (RGB, RGBA).
    if (headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 108 ||
        headerSize == 124) {
        ReadExact(source, raw + 4, 36);
        h = ParseInfoHeader(raw);
        const int bits = h.biBitCount;
        if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
            Fail("TVmInternalDIB.LoadFromStream: Invalid BitCout");
        if (h.biClrUsed == 0)
            h.biClrUsed = DefaultColors(bits);
        // Newer headers carry the masks inside; the 40-byte one has them after it.
        if (headerSize > 40) {
            ReadExact(source, raw + 40, 12);
            Skip(source, int64_t(headerSize) - 52);
        } else if (h.biCompression == BI_BITFIELDS) {
            ReadExact(source, raw + 40, 12);
        }
        if (h.biCompression == BI_BITFIELDS || headerSize > 40)
            for (int c = 0; c < 3; ++c)
                masks.mask[c] = ReadU32(raw + 40 + 4 * c);
        const int64_t entries = h.biClrUsed;
        const int64_t kept = std::min<int64_t>(entries, 256);
        ReadExact(source, content.colors.data(), kept * 4);
        Skip(source, (entries - kept) * 4);
        const int64_t maskBytes = (headerSize == 40 && h.biCompression == BI_BITFIELDS) ? 12 : 0;
        declaredBits = fileSize - 14 - headerSize - maskBytes - 4 * entries;
        h.biClrUsed = uint32_t(kept);
    } else if (headerSize == 12) {
        ReadExact(source, raw + 4, 8);
        const int bits = ReadU16(raw + 10);
        if (bits != 1 && bits != 4 && bits != 8 && bits != 24)
            Fail("TVmInternalDIB.LoadFromStream: Invalid BitCount");
        const uint32_t entries = DefaultColors(bits);
        h = CoreToInfoHeader(raw, entries);
        uint8_t table[256 * 3];
        ReadExact(source, table, int64_t(entries) * 3);
        for (uint32_t i = 0; i < entries; ++i)
            content.colors[i] = RgbQuad{table[3 * i], table[3 * i + 1], table[3 * i + 2], 0};
        declaredBits = fileSize - 14 - 12 - 3 * int64_t(entries);
    } else {
        Fail("TVmInternalDIB.LoadFromStream: Invalid Bitmap Header Size");
    }
    h.biSize = 40;
    CheckShape(h, true);

    const int64_t available = std::max<int64_t>(0, source.remaining());
    const int32_t rows = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    // A file that holds fewer pixel rows than its header describes is cut
    // short: refused before anything is allocated for them.
    if (RowsAreStored(h) && DibRowSize(h.biWidth, h.biBitCount) * rows > available)
        throw EReadError("Stream read error");
    switch (h.biBitCount) {
    case 1:
    case 4:
    case 8:
    case 24: {
        content.header = h;
        int64_t size;
        if (RowsAreStored(h)) {
            // Bytes past the rows are not kept.
            size = DibRowSize(h.biWidth, h.biBitCount) * rows;
        } else {
            size = (declaredBits > 0 && declaredBits <= available) ? declaredBits : available;
        }
        content.bits = DibSection(size);
        const int64_t n = std::min(size, available);
        if (n > 0 && source.read(content.bits.data(), n) < 0)
            throw EReadError("Stream read error");
        break;
    }
    case 16:
    case 32:
        content = ExpandTo24(h, content.colors, masks,
                             [&](uint8_t* row, int64_t n) { return source.read(row, n); });
        break;
    default:
        Fail("TVmInternalDIB.LoadFromStream: Invalid biBitCount");
    }
    return content;
}

DibContent ReadPackedDib(const uint8_t* p, int64_t blockSize) {
    auto invalid = [] {
        throw EVmDIBInvalidDIB("TVmDIB.LoadFromClipboardFormat: Invalid Clipboard Data");
    };
    auto badBits = [] { Fail("TVmInternalDIB.LoadFromClipboardFormat: Invalid biBitCount"); };
    if (blockSize < 4)
        invalid();
    const uint32_t headerSize = ReadU32(p);
    BitmapInfoHeader h;
    DibContent content;
    Masks masks;
    int64_t length = 0;
    if (headerSize == 40) {
        if (blockSize < 40)
            invalid();
        h = ParseInfoHeader(p);
        const int bits = h.biBitCount;
        const int64_t colors = h.biClrUsed != 0 ? int64_t(h.biClrUsed) : DefaultColors(bits);
        const bool withMasks = h.biCompression == BI_BITFIELDS;
        length = colors * 4 + (withMasks ? 52 : 40);
        if (length > blockSize)
            invalid();
        if (withMasks)
            for (int c = 0; c < 3; ++c)
                masks.mask[c] = ReadU32(p + 40 + 4 * c);
        const int64_t kept = std::min<int64_t>(colors, 256);
        std::memcpy(content.colors.data(), p + (withMasks ? 52 : 40), size_t(kept * 4));
        h.biClrUsed = uint32_t(kept);
    } else if (headerSize == 12) {
        if (blockSize < 12)
            invalid();
        const int bits = ReadU16(p + 10);
        const uint32_t entries = DefaultColors(bits);
        length = int64_t(entries) * 3 + 12;
        if (length > blockSize)
            invalid();
        h = CoreToInfoHeader(p, entries);
        for (uint32_t i = 0; i < entries; ++i) {
            const uint8_t* e = p + 12 + 3 * i;
            content.colors[i] = RgbQuad{e[0], e[1], e[2], 0};
        }
    } else {
        invalid();
    }
    h.biSize = 40;
    CheckShape(h, false);
    // A block of no size is refused before its bit count is looked at.
    const int bits = h.biBitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        badBits();

    const int64_t available = blockSize - length;
    const int32_t rows = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    if (RowsAreStored(h) && DibRowSize(h.biWidth, h.biBitCount) * rows > available)
        invalid();
    if (h.biBitCount == 16 || h.biBitCount == 32) {
        int64_t offset = length;
        content = ExpandTo24(h, content.colors, masks, [&](uint8_t* row, int64_t n) {
            const int64_t got = std::clamp<int64_t>(blockSize - offset, 0, n);
            if (got > 0)
                std::memcpy(row, p + offset, size_t(got));
            offset += n;
            return got;
        });
    } else {
        content.header = h;
        const int64_t size = (h.biCompression == BI_RGB || h.biCompression == BI_BITFIELDS)
                                 ? DibRowSize(h.biWidth, h.biBitCount) * rows
                                 : available;
        content.bits = DibSection(size);
        const int64_t n = std::min(size, available);
        if (n > 0)
            std::memcpy(content.bits.data(), p + length, size_t(n));
    }
    return content;
}

void WriteDibFile(DibByteSink& sink, const DibContent& content) {
    const uint32_t colors = SavedColors(content);
    const int64_t tableSize = 4 * int64_t(colors);
    uint8_t head[54];
    WriteHeaders(head, content, colors, tableSize);
    auto write = [&](const void* data, int64_t n) {
        if (n > 0 && !sink.write(data, n))
            throw EWriteError("Stream write error");
    };
    write(head, 54);
    write(content.colors.data(), tableSize);
    write(content.bits.data(), content.bits.size());
}

int64_t PackedDibSize(const DibContent& content) {
    return 40 + 4 * int64_t(SavedColors(content)) + content.bits.size();
}

void WritePackedDib(const DibContent& content, uint8_t* p) {
    const uint32_t colors = SavedColors(content);
    const int64_t tableSize = 4 * int64_t(colors);
    BitmapInfoHeader h = content.header;
    h.biClrUsed = colors;
    WriteInfoHeader(p, h);
    std::memcpy(p + 40, content.colors.data(), size_t(tableSize));
    if (content.bits.size() > 0)
        std::memcpy(p + 40 + tableSize, content.bits.data(), size_t(content.bits.size()));
}
