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

inline void PutPixel(uint8_t* row, int64_t x, int value, int bits) {
    if (bits == 8) {
        row[x] = uint8_t(value);
    } else {
        uint8_t& b = row[x >> 1];
        b = (x & 1) ? uint8_t((b & 0xF0) | (value & 0x0F)) : uint8_t((b & 0x0F) | (value << 4));
    }
}

template <int Bits> DibContent DecodeRle(const DibContent& source, const RleNames& names) {
    const uint32_t compression = Bits == 8 ? BI_RLE8 : BI_RLE4;
    if (source.header.biBitCount != Bits || source.header.biCompression != compression)
        throw EVmDIBBadDIBType(std::string(names.routine) +
                               ": Invalid Bitcount & Compression Combination");
    auto bad = [&](int check) {
        throw EVmDIBInvalidDIB(std::string(names.routine) + ": Bad RLE Data " +
                               std::to_string(names.firstBadCode + check));
    };
    const int64_t width = source.width();
    const int64_t height = source.absHeight();
    DibContent out = MakeDibContent(int32_t(width), int32_t(height), Bits, source.header.biClrUsed);
    out.colors = source.colors;
    out.header.biXPelsPerMeter = source.header.biXPelsPerMeter;
    out.header.biYPelsPerMeter = source.header.biYPelsPerMeter;

    const uint8_t* p = source.bits.data();
    const int64_t n = source.bits.size();
    int64_t i = 0, x = 0, y = 0;
    // Data that end without an end-of-picture code end the picture there.
    while (i + 2 <= n) {
        const int count = p[i];
        const int value = p[i + 1];
        i += 2;
        if (count != 0) {
            if (y >= height || x + count > width)
                bad(3);
            uint8_t* row = out.row(int32_t(y));
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
            const int64_t dx = p[i], dy = p[i + 1];
            i += 2;
            if (x + dx > width || y + dy > height)
                bad(1);
            x += dx;
            y += dy;
        } else { // absolute run
            const int64_t pixels = value;
            if (y >= height || x + pixels > width)
                bad(2);
            const int64_t bytes = Bits == 8 ? pixels : (pixels + 1) / 2;
            const int64_t have = std::min(bytes, n - i);
            uint8_t* row = out.row(int32_t(y));
            if (Bits == 8) {
                std::memcpy(row + x, p + i, size_t(have));
            } else {
                const int64_t got = std::min(pixels, have * 2);
                for (int64_t k = 0; k < got; ++k) {
                    const uint8_t b = p[i + k / 2];
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
        throw EVmDIBBadDIBType(std::string(routine) +
                               ": Invalid Bitcount & Compression Combination");
    const int32_t width = source.width();
    const int32_t height = source.absHeight();
    const int64_t capacity = source.rowSize() * height;
    // A section, so that running out of memory is a picture error like any other.
    DibSection buffer(capacity);
    uint8_t* out = buffer.data();
    int64_t pos = 0;
    auto room = [&](int64_t need) {
        if (capacity - pos < need)
            throw EVmDIBCompressionFailed(std::string(routine) + ": Compression Failed");
    };
    auto encoded = [&](int count, int value) {
        room(6);
        out[pos++] = uint8_t(count);
        out[pos++] = Bits == 8 ? uint8_t(value) : uint8_t((value << 4) | value);
    };
    std::vector<uint8_t> pixels(static_cast<size_t>(width));
    auto absolute = [&](int32_t start, int count) {
        if (count <= 0)
            throw EVmDIBAssert(std::string(routine) + ": WriteAbsolute Error");
        room(((count + 1) & ~1) + 6);
        out[pos++] = 0;
        out[pos++] = uint8_t(count);
        const uint8_t* px = pixels.data() + start;
        int64_t bytes;
        if (Bits == 8) {
            std::memcpy(out + pos, px, size_t(count));
            bytes = count;
        } else {
            bytes = (count + 1) / 2;
            for (int64_t k = 0; k < bytes; ++k) {
                const int hi = px[2 * k];
                const int lo = 2 * k + 1 < count ? px[2 * k + 1] : 0;
                out[pos + k] = uint8_t((hi << 4) | lo);
            }
        }
        pos += bytes;
        if (bytes & 1)
            out[pos++] = 0;
    };

    for (int32_t line = 0; line < height; ++line) {
        // Rows go bottom-up whatever the source's row order.
        const uint8_t* row = source.row(source.header.biHeight < 0 ? height - 1 - line : line);
        if (Bits == 8) {
            std::memcpy(pixels.data(), row, size_t(width));
        } else {
            for (int32_t x = 0; x < width; ++x)
                pixels[size_t(x)] = (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
        }
        const uint8_t* px = pixels.data();
        int32_t x = 0;
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
            const int32_t start = x;
            int32_t end = x;
            while (end < width && end - start < 255) {
                if (end + 1 < width && px[end + 1] == px[end])
                    break;
                ++end;
            }
            const int length = end - start;
            if (length <= 2) {
                for (int32_t k = start; k < end; ++k)
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
    result.header.biSizeImage = uint32_t(pos);
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
