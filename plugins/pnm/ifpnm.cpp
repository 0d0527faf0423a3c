// Importer for the portable anymap formats: PBM, PGM and PPM, plain (P1-P3)
// and raw (P4-P6), with samples of up to 16 bits.
#include "SpiPlugin.h"

namespace {

const char* const kInfo[] = {"00IN", "Vellomar PNM importer 1.0", "*.pnm;*.pbm;*.pgm;*.ppm",
                             "Portable anymap"};

struct Header {
    int kind = 0; // 1..6
    int64_t width = 0;
    int64_t height = 0;
    int64_t maxval = 1;
};

bool IsSpace(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

void SkipSpaceAndComments(spi::Input& in) {
    for (;;) {
        const int c = in.peek();
        if (IsSpace(c)) {
            in.get();
        } else if (c == '#') {
            while (in.peek() >= 0 && in.peek() != '\n' && in.peek() != '\r')
                in.get();
        } else {
            return;
        }
    }
}

// A decimal number up to `limit`; false for anything else.
bool ReadNumber(spi::Input& in, int64_t limit, int64_t& value) {
    SkipSpaceAndComments(in);
    if (in.peek() < '0' || in.peek() > '9')
        return false;
    value = 0;
    while (in.peek() >= '0' && in.peek() <= '9') {
        value = value * 10 + (in.get() - '0');
        if (value > limit)
            return false;
    }
    return true;
}

bool ReadHeader(spi::Input& in, Header& h) {
    if (!in.has(3) || in.data[0] != 'P' || in.data[1] < '1' || in.data[1] > '6' ||
        !IsSpace(in.data[2]))
        return false;
    h.kind = in.data[1] - '0';
    in.pos = 2;
    if (!ReadNumber(in, spi::kMaxSide, h.width) || !ReadNumber(in, spi::kMaxSide, h.height) ||
        !spi::SizeAllowed(h.width, h.height))
        return false;
    if (h.kind != 1 && h.kind != 4 && (!ReadNumber(in, 65535, h.maxval) || h.maxval == 0))
        return false;
    // Raw data start after exactly one white-space character.
    if (h.kind >= 4 && !IsSpace(in.get()))
        return false;
    return true;
}

int BitCount(const Header& h) {
    return h.kind == 1 || h.kind == 4 ? 1 : h.kind == 2 || h.kind == 5 ? 8 : 24;
}

// One sample scaled to 0..255; false when the data end early.
bool ReadSample(spi::Input& in, const Header& h, uint8_t& out) {
    int64_t v = 0;
    if (h.kind <= 3) {
        if (!ReadNumber(in, 0x7FFFFFFF, v))
            return false;
    } else if (h.maxval > 255) {
        if (!in.has(2))
            return false;
        v = (in.data[in.pos] << 8) | in.data[in.pos + 1];
        in.pos += 2;
    } else {
        if (!in.has(1))
            return false;
        v = in.get();
    }
    if (v > h.maxval)
        v = h.maxval;
    out = uint8_t((v * 255 + h.maxval / 2) / h.maxval);
    return true;
}

int Decode(spi::Input& in, const Header& h, spi::Output& out, SpiProgressCallback progress,
           intptr_t data) {
    const int bits = BitCount(h);
    // Every sample takes at least one byte (a bit for P4): a short file cannot
    // make us allocate a large picture.
    const int64_t samples = h.width * h.height * (bits == 24 ? 3 : 1);
    const int64_t least = h.kind == 4   ? (h.width + 7) / 8 * h.height
                          : h.kind >= 5 ? samples * (h.maxval > 255 ? 2 : 1)
                                        : samples;
    if (!in.has(least))
        return SPI_BAD_DATA;
    if (!out.create(int32_t(h.width), int32_t(h.height), bits, bits == 1 ? 2 : bits == 8 ? 256 : 0))
        return SPI_NO_MEMORY;
    if (bits == 1) {
        out.setColor(0, 255, 255, 255);
        out.setColor(1, 0, 0, 0);
    } else if (bits == 8) {
        for (int i = 0; i < 256; ++i)
            out.setColor(i, uint8_t(i), uint8_t(i), uint8_t(i));
    }
    const int64_t packed = (h.width + 7) / 8;
    for (int64_t y = 0; y < h.height; ++y) {
        uint8_t* row = out.row(y);
        if (h.kind == 4) {
            if (!in.has(packed))
                return SPI_BAD_DATA;
            std::memcpy(row, in.data + in.pos, size_t(packed));
            in.pos += packed;
            // Padding bits after the last pixel stay zero.
            if (h.width % 8)
                row[packed - 1] &= uint8_t(0xFF << (8 - h.width % 8));
        } else if (h.kind == 1) {
            for (int64_t x = 0; x < h.width; ++x) {
                SkipSpaceAndComments(in);
                const int c = in.get();
                if (c != '0' && c != '1')
                    return SPI_BAD_DATA;
                if (c == '1')
                    row[x / 8] |= uint8_t(0x80 >> (x % 8));
            }
        } else {
            const int channels = bits == 8 ? 1 : 3;
            for (int64_t x = 0; x < h.width; ++x)
                for (int c = 0; c < channels; ++c) {
                    uint8_t v;
                    if (!ReadSample(in, h, v))
                        return SPI_BAD_DATA;
                    // DIB pixels are stored blue, green, red.
                    row[x * channels + (channels == 3 ? 2 - c : 0)] = v;
                }
        }
        if (spi::Cancelled(progress, data, y + 1, h.height))
            return SPI_ABORTED;
    }
    return SPI_OK;
}

} // namespace

extern "C" {

SPI_EXPORT int SPI_CALL GetPluginInfo(int number, char* buffer, int length) {
    return spi::PluginInfo(kInfo, 4, number, buffer, length);
}

SPI_EXPORT int SPI_CALL IsSupported(const char*, const void* firstBytes) {
    if (!firstBytes)
        return 0;
    // The host guarantees 2048 readable bytes.
    spi::Input in{static_cast<const uint8_t*>(firstBytes), 2048};
    Header h;
    return ReadHeader(in, h) ? 1 : 0;
}

SPI_EXPORT int SPI_CALL GetPictureInfo(const char* buffer, long length, unsigned int flag,
                                       SpiPictureInfo* info) {
    if (flag != SPI_INPUT_MEMORY || !buffer || length <= 0 || !info)
        return SPI_NOT_IMPLEMENTED;
    spi::Input in{reinterpret_cast<const uint8_t*>(buffer), length};
    Header h;
    if (!ReadHeader(in, h))
        return SPI_UNKNOWN_FORMAT;
    std::memset(info, 0, sizeof *info);
    info->width = int32_t(h.width);
    info->height = int32_t(h.height);
    info->colorDepth = int16_t(BitCount(h));
    return SPI_OK;
}

SPI_EXPORT int SPI_CALL GetPicture(const char* buffer, long length, unsigned int flag,
                                   HLOCAL* bitmapInfo, HLOCAL* bits, SpiProgressCallback progress,
                                   intptr_t data) {
    if (flag != SPI_INPUT_MEMORY || !buffer || length <= 0 || !bitmapInfo || !bits)
        return SPI_NOT_IMPLEMENTED;
    spi::Input in{reinterpret_cast<const uint8_t*>(buffer), length};
    Header h;
    if (!ReadHeader(in, h))
        return SPI_UNKNOWN_FORMAT;
    spi::Output out;
    const int result = Decode(in, h, out, progress, data);
    if (result == SPI_OK)
        out.release(bitmapInfo, bits);
    return result;
}

} // extern "C"
