// Halftone conversions with Floyd-Steinberg error diffusion.
#include "DibConversions.h"
#include "DibErrors.h"

#include <algorithm>
#include <vector>

namespace {

void CheckSource(const DibContent& source, const char* routine) {
    if (source.header.biCompression != BI_RGB)
        throw EVmDIBAssert(std::string(routine) + ": Invalid DIB Format");
    const int bits = source.header.biBitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24)
        throw EVmDIBAssert(std::string(routine) + ": Invalid Bit Count");
}

// Red, green, blue of one row's pixels, whatever the source's bit count.
void RowColors(const DibContent& source, int32_t y, std::vector<int>& rgb) {
    const uint8_t* row = source.row(y);
    const int32_t w = source.width();
    const int bits = source.header.biBitCount;
    for (int32_t x = 0; x < w; ++x) {
        int r, g, b;
        if (bits == 24) {
            b = row[3 * x];
            g = row[3 * x + 1];
            r = row[3 * x + 2];
        } else {
            int i;
            if (bits == 1)
                i = (row[x >> 3] >> (7 - (x & 7))) & 1;
            else if (bits == 4)
                i = (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
            else
                i = row[x];
            const RgbQuad& c = source.colors[size_t(i)];
            r = c.rgbRed;
            g = c.rgbGreen;
            b = c.rgbBlue;
        }
        rgb[size_t(3 * x)] = r;
        rgb[size_t(3 * x + 1)] = g;
        rgb[size_t(3 * x + 2)] = b;
    }
}

// Index of the level nearest to each value 0..255.
template <size_t N> std::array<uint8_t, 256> NearestLevel(const std::array<int, N>& levels) {
    std::array<uint8_t, 256> nearest{};
    for (int v = 0; v < 256; ++v) {
        size_t best = 0;
        for (size_t k = 1; k < N; ++k)
            if (std::abs(levels[k] - v) < std::abs(levels[best] - v))
                best = k;
        nearest[size_t(v)] = uint8_t(best);
    }
    return nearest;
}

// Spreads a channel error with the 7/16, 3/16, 5/16, 1/16 weights.
inline void Spread(std::vector<int>& current, std::vector<int>& next, int32_t x, int32_t w, int c,
                   int error) {
    if (x + 1 < w)
        current[size_t(3 * (x + 1) + c)] += error * 7 / 16;
    if (x > 0)
        next[size_t(3 * (x - 1) + c)] += error * 3 / 16;
    next[size_t(3 * x + c)] += error * 5 / 16;
    if (x + 1 < w)
        next[size_t(3 * (x + 1) + c)] += error / 16;
}

} // namespace

const ColorTable& HalftoneColors() {
    static const ColorTable table = [] {
        ColorTable colors{};
        size_t i = 0;
        auto add = [&](int r, int g, int b) {
            colors[i++] = RgbQuad{uint8_t(b), uint8_t(g), uint8_t(r), 0};
        };
        for (int r : HalftoneRedLevels)
            for (int g : HalftoneGreenLevels)
                for (int b : HalftoneBlueLevels)
                    add(r, g, b);
        add(128, 0, 0);
        add(128, 128, 0);
        add(128, 0, 128);
        add(192, 192, 192);
        add(128, 128, 128);
        return colors;
    }();
    return table;
}

DibContent ConvertToHalfTone(const DibContent& source) {
    CheckSource(source, "ConvertToHalfTone");
    static const auto nearR = NearestLevel(HalftoneRedLevels);
    static const auto nearG = NearestLevel(HalftoneGreenLevels);
    static const auto nearB = NearestLevel(HalftoneBlueLevels);
    DibContent out = MakeDibContent(source.width(), source.header.biHeight, 8, HalftoneColorCount);
    out.colors = HalftoneColors();
    const int32_t w = source.width(), h = source.absHeight();
    const size_t n3 = static_cast<size_t>(3 * w);
    std::vector<int> current(n3, 0), next(n3, 0), pixels(n3, 0);
    for (int32_t y = 0; y < h; ++y) {
        RowColors(source, y, pixels);
        for (size_t k = 0; k < current.size(); ++k)
            current[k] = pixels[k] + next[k];
        std::fill(next.begin(), next.end(), 0);
        uint8_t* d = out.row(y);
        for (int32_t x = 0; x < w; ++x) {
            int* p = &current[size_t(3 * x)];
            const int r = std::clamp(p[0], 0, 255), g = std::clamp(p[1], 0, 255),
                      b = std::clamp(p[2], 0, 255);
            const int ri = nearR[size_t(r)], gi = nearG[size_t(g)], bi = nearB[size_t(b)];
            d[x] = uint8_t(ri * 35 + gi * 5 + bi);
            Spread(current, next, x, w, 0, r - HalftoneRedLevels[size_t(ri)]);
            Spread(current, next, x, w, 1, g - HalftoneGreenLevels[size_t(gi)]);
            Spread(current, next, x, w, 2, b - HalftoneBlueLevels[size_t(bi)]);
        }
    }
    return out;
}

DibContent ConvertToHalfToneBW(const DibContent& source) {
    CheckSource(source, "ConvertToHalfToneBW");
    DibContent out = MakeDibContent(source.width(), source.header.biHeight, 1, 2);
    out.colors[1] = RgbQuad{255, 255, 255, 0};
    const int32_t w = source.width(), h = source.absHeight();
    std::vector<int> pixels(static_cast<size_t>(3 * w), 0), current(static_cast<size_t>(w), 0),
        next(static_cast<size_t>(w), 0);
    for (int32_t y = 0; y < h; ++y) {
        RowColors(source, y, pixels);
        for (int32_t x = 0; x < w; ++x) {
            const int lum = (pixels[size_t(3 * x)] * 299 + pixels[size_t(3 * x + 1)] * 587 +
                             pixels[size_t(3 * x + 2)] * 114 + 500) /
                            1000;
            current[size_t(x)] = lum + next[size_t(x)];
        }
        std::fill(next.begin(), next.end(), 0);
        uint8_t* d = out.row(y);
        for (int32_t x = 0; x < w; ++x) {
            const int v = std::clamp(current[size_t(x)], 0, 255);
            const int white = v >= 128 ? 255 : 0;
            if (white)
                d[x >> 3] |= uint8_t(0x80 >> (x & 7));
            const int error = v - white;
            if (x + 1 < w)
                current[size_t(x + 1)] += error * 7 / 16;
            if (x > 0)
                next[size_t(x - 1)] += error * 3 / 16;
            next[size_t(x)] += error * 5 / 16;
            if (x + 1 < w)
                next[size_t(x + 1)] += error / 16;
        }
    }
    return out;
}
