// Palette pictures to more bits per pixel, and every source to one bit by key colour.
#include "DibConversions.h"
#include "DibErrors.h"

namespace {

[[noreturn]] void BadType(const char* routine, const char* what) {
    throw EVmDIBBadDIBType(std::string(routine) + what);
}

void Require(const DibContent& source, int bits, const char* routine, const char* what) {
    if (source.header.biBitCount != bits || source.header.biCompression != BI_RGB)
        BadType(routine, what);
}

constexpr const char* kCombination = ": Invalid Bitcount & Compression Combination";

// Palette index of pixel x in a row of 1, 4 or 8 bits.
inline int IndexAt(const uint8_t* row, int32_t x, int bits) {
    switch (bits) {
    case 1:
        return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 4:
        return (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
    default:
        return row[x];
    }
}

DibContent Widen(const DibContent& source, int fromBits, int toBits, const char* routine) {
    Require(source, fromBits, routine, kCombination);
    DibContent out =
        MakeDibContent(source.width(), source.header.biHeight, toBits, source.header.biClrUsed);
    out.colors = source.colors;
    const int32_t w = source.width(), h = source.absHeight();
    for (int32_t y = 0; y < h; ++y) {
        const uint8_t* s = source.row(y);
        uint8_t* d = out.row(y);
        for (int32_t x = 0; x < w; ++x) {
            const int v = IndexAt(s, x, fromBits);
            if (toBits == 8)
                d[x] = uint8_t(v);
            else
                d[x >> 1] |= uint8_t((x & 1) ? v : v << 4);
        }
    }
    return out;
}

DibContent ToTrueColor(const DibContent& source, int fromBits, const char* routine) {
    Require(source, fromBits, routine, kCombination);
    DibContent out = MakeDibContent(source.width(), source.header.biHeight, 24, 0);
    const int32_t w = source.width(), h = source.absHeight();
    for (int32_t y = 0; y < h; ++y) {
        const uint8_t* s = source.row(y);
        uint8_t* d = out.row(y);
        for (int32_t x = 0; x < w; ++x) {
            const RgbQuad& c = source.colors[size_t(IndexAt(s, x, fromBits))];
            d[0] = c.rgbBlue;
            d[1] = c.rgbGreen;
            d[2] = c.rgbRed;
            d += 3;
        }
    }
    return out;
}

// One bit per pixel: `isKey` tells for each pixel whether it has the key colour.
template <typename IsKey> DibContent ToMono(const DibContent& source, IsKey isKey) {
    DibContent out = MakeDibContent(source.width(), source.header.biHeight, 1, 2);
    out.colors[0] = RgbQuad{0, 0, 0, 0};
    out.colors[1] = RgbQuad{255, 255, 255, 0};
    const int32_t w = source.width(), h = source.absHeight();
    for (int32_t y = 0; y < h; ++y) {
        const uint8_t* s = source.row(y);
        uint8_t* d = out.row(y);
        for (int32_t x = 0; x < w; ++x)
            if (isKey(s, x))
                d[x >> 3] |= uint8_t(0x80 >> (x & 7));
    }
    return out;
}

DibContent PaletteToMono(const DibContent& source, int bits, int red, int green, int blue) {
    bool key[256];
    for (int i = 0; i < 256; ++i) {
        const RgbQuad& c = source.colors[size_t(i)];
        key[i] = c.rgbRed == red && c.rgbGreen == green && c.rgbBlue == blue;
    }
    return ToMono(source,
                  [&](const uint8_t* row, int32_t x) { return key[IndexAt(row, x, bits)]; });
}

} // namespace

DibContent Convert1BitRGBTo4BitRGB(const DibContent& source) {
    return Widen(source, 1, 4, "Convert1BitRGBTo4BitRGB");
}

DibContent Convert1BitRGBTo8BitRGB(const DibContent& source) {
    return Widen(source, 1, 8, "Convert1BitRGBTo8BitRGB");
}

DibContent Convert4BitRGBTo8BitRGB(const DibContent& source) {
    return Widen(source, 4, 8, "Convert4BitRGBTo8BitRGB");
}

DibContent Convert1BitRGBToTrueColor(const DibContent& source) {
    return ToTrueColor(source, 1, "Convert1BitRGBToTrueColor");
}

DibContent Convert4BitRGBToTrueColor(const DibContent& source) {
    return ToTrueColor(source, 4, "Convert4BitRGBToTrueColor");
}

DibContent Convert8BitRGBToTrueColor(const DibContent& source) {
    return ToTrueColor(source, 8, "Convert8BitRGBToTrueColor");
}

DibContent ConvertTrueColorTo1BitRGB(const DibContent& source, int red, int green, int blue) {
    Require(source, 24, "ConvertTrueColorTo1BitRGB", ": Invalid Bitcount");
    return ToMono(source, [&](const uint8_t* row, int32_t x) {
        const uint8_t* p = row + int64_t(x) * 3;
        return p[0] == blue && p[1] == green && p[2] == red;
    });
}

DibContent Convert8BitTo1BitRGB(const DibContent& source, int red, int green, int blue) {
    Require(source, 8, "Convert8BitTo1BitRGB", ": Invalid Bitcount or Compression");
    return PaletteToMono(source, 8, red, green, blue);
}

DibContent Convert4BitRGBTo1BitRGB(const DibContent& source, int red, int green, int blue) {
    Require(source, 4, "Convert4BitRGBTo1BitRGB", ": Invalid Bitcount");
    return PaletteToMono(source, 4, red, green, blue);
}
