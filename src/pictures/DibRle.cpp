// RLE8 and RLE4 decoders and encoders.
#include "DibConversions.h"
#include "DibErrors.h"

#include <cstring>
#include <vector>

namespace {

struct RleNames {
    const char* routine;
    int firstBadCode; // the decoder's "Bad RLE Data" numbers start here
};

constexpr RleNames Rle8Decoder{"Convert8BitRLETo8BitRGB", 1};
constexpr RleNames Rle4Decoder{"Convert4BitRLETo4BitRGB", 5};

inline void PutPixel(uchar* row, qint64 x, int value, int bits) {
    if (bits == 8) {
        row[x] = uchar(value);
    } else {
        uchar& b = row[x >> 1];
        b = (x & 1) ? uchar((b & 0xF0) | (value & 0x0F)) : uchar((b & 0x0F) | (value << 4));
    }
}

template <int Bits> DibContent DecodeRle(const DibContent& source, const RleNames& names) {
    const quint32 compression = Bits == 8 ? BI_RLE8 : BI_RLE4;
    if (source.header.biBitCount != Bits || source.header.biCompression != compression)
        throw EVmDIBBadDIBType(QString::fromLatin1(names.routine) +
                               QStringLiteral(": Invalid Bitcount & Compression Combination"));
    auto bad = [&](int check) {
        throw EVmDIBInvalidDIB(QStringLiteral("%1: Bad RLE Data %2")
                                   .arg(QLatin1String(names.routine))
                                   .arg(names.firstBadCode + check));
    };
    const qint64 width = source.width();
    const qint64 height = source.absHeight();
    DibContent out = MakeDibContent(qint32(width), qint32(height), Bits, source.header.biClrUsed);
    out.colors = source.colors;
    out.header.biXPelsPerMeter = source.header.biXPelsPerMeter;
    out.header.biYPelsPerMeter = source.header.biYPelsPerMeter;

    const uchar* p = source.bits.data();
    const qint64 n = source.bits.size();
    qint64 i = 0, x = 0, y = 0;
    // Data that end without an end-of-picture code end the picture there.
    while (i + 2 <= n) {
        const int count = p[i];
        const int value = p[i + 1];
        i += 2;
        if (count != 0) {
            if (y >= height || x + count > width)
                bad(3);
            uchar* row = out.row(qint32(y));
            if (Bits == 8) {
                std::memset(row + x, value, size_t(count));
            } else {
                for (int k = 0; k < count; ++k)
                    PutPixel(row, x + k, (k & 1) ? (value & 0x0F) : (value >> 4), Bits);
            }
            x += count;
        } else if (value == 0) { // end of line
            if (y >= height)
                bad(0);
            ++y;
            x = 0;
        } else if (value == 1) { // end of picture
            break;
        } else if (value == 2) { // delta
            if (i + 2 > n)
                break;
            const qint64 dx = p[i], dy = p[i + 1];
            i += 2;
            if (x + dx > width || y + dy > height)
                bad(1);
            x += dx;
            y += dy;
        } else { // absolute run
            const qint64 pixels = value;
            if (y >= height || x + pixels > width)
                bad(2);
            const qint64 bytes = Bits == 8 ? pixels : (pixels + 1) / 2;
            const qint64 have = qMin(bytes, n - i);
            uchar* row = out.row(qint32(y));
            if (Bits == 8) {
                std::memcpy(row + x, p + i, size_t(have));
            } else {
                const qint64 got = qMin(pixels, have * 2);
                for (qint64 k = 0; k < got; ++k) {
                    const uchar b = p[i + k / 2];
                    PutPixel(row, x + k, (k & 1) ? (b & 0x0F) : (b >> 4), Bits);
                }
            }
            x += pixels;
            i += bytes + (bytes & 1);
        }
    }
    return out;
}

template <int Bits> DibContent EncodeRle(const DibContent& source, const char* routine) {
    if (source.header.biBitCount != Bits || source.header.biCompression != BI_RGB)
        throw EVmDIBBadDIBType(QString::fromLatin1(routine) +
                               QStringLiteral(": Invalid Bitcount & Compression Combination"));
    const qint32 width = source.width();
    const qint32 height = source.absHeight();
    const qint64 capacity = source.rowSize() * height;
    // A section, so that running out of memory is a picture error like any other.
    DibSection buffer(capacity);
    uchar* out = buffer.data();
    qint64 pos = 0;
    auto room = [&](qint64 need) {
        if (capacity - pos < need)
            throw EVmDIBCompressionFailed(QString::fromLatin1(routine) +
                                          QStringLiteral(": Compression Failed"));
    };
    auto encoded = [&](int count, int value) {
        room(6);
        out[pos++] = uchar(count);
        out[pos++] = Bits == 8 ? uchar(value) : uchar((value << 4) | value);
    };
    std::vector<uchar> pixels(static_cast<size_t>(width));
    auto absolute = [&](qint32 start, int count) {
        if (count <= 0)
            throw EVmDIBAssert(QString::fromLatin1(routine) +
                               QStringLiteral(": WriteAbsolute Error"));
        room(((count + 1) & ~1) + 6);
        out[pos++] = 0;
        out[pos++] = uchar(count);
        const uchar* px = pixels.data() + start;
        qint64 bytes;
        if (Bits == 8) {
            std::memcpy(out + pos, px, size_t(count));
            bytes = count;
        } else {
            bytes = (count + 1) / 2;
            for (qint64 k = 0; k < bytes; ++k) {
                const int hi = px[2 * k];
                const int lo = 2 * k + 1 < count ? px[2 * k + 1] : 0;
                out[pos + k] = uchar((hi << 4) | lo);
            }
        }
        pos += bytes;
        if (bytes & 1)
            out[pos++] = 0;
    };

    for (qint32 line = 0; line < height; ++line) {
        // Rows go bottom-up whatever the source's row order.
        const uchar* row = source.row(source.header.biHeight < 0 ? height - 1 - line : line);
        if (Bits == 8) {
            std::memcpy(pixels.data(), row, size_t(width));
        } else {
            for (qint32 x = 0; x < width; ++x)
                pixels[size_t(x)] = (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
        }
        const uchar* px = pixels.data();
        qint32 x = 0;
        while (x < width) {
            int run = 1;
            while (x + run < width && run < 255 && px[x + run] == px[x])
                ++run;
            if (run >= 2) {
                encoded(run, px[x]);
                x += run;
                continue;
            }
            // A stretch of differing pixels ends where a pixel equals the next one.
            const qint32 start = x;
            qint32 end = x;
            while (end < width && end - start < 255) {
                if (end + 1 < width && px[end + 1] == px[end])
                    break;
                ++end;
            }
            const int length = end - start;
            if (length <= 2) {
                for (qint32 k = start; k < end; ++k)
                    encoded(1, px[k]);
            } else {
                absolute(start, length);
            }
            x = end;
        }
        room(4);
        out[pos++] = 0;
        out[pos++] = 0;
    }
    room(2);
    out[pos++] = 0;
    out[pos++] = 1;

    DibContent result;
    result.header = source.header;
    result.header.biHeight = height;
    result.header.biCompression = Bits == 8 ? BI_RLE8 : BI_RLE4;
    result.header.biSizeImage = quint32(pos);
    result.colors = source.colors;
    result.bits = DibSection(pos);
    std::memcpy(result.bits.data(), out, size_t(pos));
    return result;
}

} // namespace

DibContent Convert8BitRLETo8BitRGB(const DibContent& source) {
    return DecodeRle<8>(source, Rle8Decoder);
}

DibContent Convert4BitRLETo4BitRGB(const DibContent& source) {
    return DecodeRle<4>(source, Rle4Decoder);
}

DibContent Convert8BitRGBTo8BitRLE(const DibContent& source) {
    return EncodeRle<8>(source, "Convert8BitRGBTo8BitRLE");
}

DibContent Convert4BitRGBTo4BitRLE(const DibContent& source) {
    return EncodeRle<4>(source, "Convert4BitRGBTo4BitRLE");
}
