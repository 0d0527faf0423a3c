// Importer for Truevision TGA pictures: colour-mapped, true-colour and grey,
// uncompressed and run-length encoded, 8, 16, 24 and 32 bits per pixel.
#include "SpiPlugin.h"

namespace {

const char* const kInfo[] = {"00IN", "Vellomar TGA importer 1.0", "*.tga;*.targa",
                             "Truevision TGA"};

struct Header {
    int idLength;
    int mapType;
    int imageType;
    int mapFirst;
    int mapLength;
    int mapEntryBits;
    int width;
    int height;
    int depth;
    int descriptor;

    bool rle() const { return imageType >= 9; }
    int baseType() const { return imageType & 7; }
    int bytesPerPixel() const { return (depth + 7) / 8; }
    int64_t mapBytes() const { return mapType ? int64_t(mapLength) * ((mapEntryBits + 7) / 8) : 0; }
};

int U16(const uint8_t* p) {
    return p[0] | (p[1] << 8);
}

bool ValidEntryBits(int bits) {
    return bits == 15 || bits == 16 || bits == 24 || bits == 32;
}

// The 18-byte header, checked field by field: TGA has no signature.
bool ReadHeader(const uint8_t* p, int64_t size, Header& h) {
    if (size < 18)
        return false;
    h = Header{p[0], p[1],        p[2],        U16(p + 3), U16(p + 5),
               p[7], U16(p + 12), U16(p + 14), p[16],      p[17]};
    if (h.mapType > 1 || !spi::SizeAllowed(h.width, h.height) || (h.descriptor & 0xC0) ||
        (h.descriptor & 0x0F) > 8)
        return false;
    if (h.mapType && (!ValidEntryBits(h.mapEntryBits) || h.mapLength == 0))
        return false;
    switch (h.baseType()) {
    case 1:
        return h.mapType == 1 && h.depth == 8 && (h.imageType == 1 || h.imageType == 9);
    case 2:
        return (h.depth == 15 || h.depth == 16 || h.depth == 24 || h.depth == 32) &&
               (h.imageType == 2 || h.imageType == 10);
    case 3:
        return h.depth == 8 && (h.imageType == 3 || h.imageType == 11);
    default:
        return false;
    }
}

int OutputBits(const Header& h) {
    return h.baseType() == 2 ? (h.depth == 15 ? 16 : h.depth) : 8;
}

void MapEntry(const uint8_t* p, int bits, uint8_t& r, uint8_t& g, uint8_t& b) {
    if (bits <= 16) {
        const int v = U16(p);
        r = uint8_t(((v >> 10) & 31) << 3);
        g = uint8_t(((v >> 5) & 31) << 3);
        b = uint8_t((v & 31) << 3);
    } else {
        b = p[0];
        g = p[1];
        r = p[2];
    }
}

// Unpacks the pixel data (run-length packets may cross rows) into `pixels`.
bool Unpack(spi::Input& in, const Header& h, uint8_t* pixels, int64_t count,
            SpiProgressCallback progress, intptr_t data, bool& cancelled) {
    const int bpp = h.bytesPerPixel();
    if (!h.rle()) {
        if (!in.has(count * bpp))
            return false;
        std::memcpy(pixels, in.data + in.pos, size_t(count * bpp));
        return true;
    }
    int64_t done = 0;
    int64_t nextReport = 0;
    while (done < count) {
        const int packet = in.get();
        if (packet < 0)
            return false;
        const int64_t n = (packet & 0x7F) + 1;
        if (n > count - done)
            return false;
        if (packet & 0x80) {
            if (!in.has(bpp))
                return false;
            for (int64_t i = 0; i < n; ++i)
                std::memcpy(pixels + (done + i) * bpp, in.data + in.pos, size_t(bpp));
            in.pos += bpp;
        } else {
            if (!in.has(n * bpp))
                return false;
            std::memcpy(pixels + done * bpp, in.data + in.pos, size_t(n * bpp));
            in.pos += n * bpp;
        }
        done += n;
        if (done >= nextReport) {
            nextReport = done + h.width * 16;
            if (progress && progress(int(done / h.width), h.height, data) != 0) {
                cancelled = true;
                return false;
            }
        }
    }
    return true;
}

int Decode(spi::Input& in, const Header& h, spi::Output& out, SpiProgressCallback progress,
           intptr_t data) {
    in.pos = 18 + h.idLength;
    const uint8_t* map = nullptr;
    if (h.mapType) {
        if (!in.has(h.mapBytes()))
            return SPI_BAD_DATA;
        map = in.data + in.pos;
        in.pos += h.mapBytes();
    }
    // A run-length packet of at most 128 pixels takes at least 1 + bpp bytes:
    // a short file cannot make us allocate a large picture.
    const int64_t pixelCount = int64_t(h.width) * h.height;
    const int64_t least = h.rle() ? (pixelCount + 127) / 128 * (1 + h.bytesPerPixel())
                                  : pixelCount * h.bytesPerPixel();
    if (!in.has(least))
        return SPI_BAD_DATA;
    const int bits = OutputBits(h);
    if (!out.create(h.width, h.height, bits, bits == 8 ? 256 : 0))
        return SPI_NO_MEMORY;
    if (h.baseType() == 1) {
        const int entryBytes = (h.mapEntryBits + 7) / 8;
        for (int i = h.mapFirst; i < 256 && i < h.mapFirst + h.mapLength; ++i) {
            uint8_t r, g, b;
            MapEntry(map + (i - h.mapFirst) * entryBytes, h.mapEntryBits, r, g, b);
            out.setColor(i, r, g, b);
        }
    } else if (h.baseType() == 3) {
        for (int i = 0; i < 256; ++i)
            out.setColor(i, uint8_t(i), uint8_t(i), uint8_t(i));
    }
    const int bpp = h.bytesPerPixel();
    const int64_t count = int64_t(h.width) * h.height;
    const HLOCAL scratch = LocalAlloc(LMEM_FIXED, size_t(count * bpp));
    uint8_t* pixels = scratch ? static_cast<uint8_t*>(LocalLock(scratch)) : nullptr;
    if (!pixels) {
        LocalFree(scratch);
        return SPI_NO_MEMORY;
    }
    bool cancelled = false;
    const bool ok = Unpack(in, h, pixels, count, progress, data, cancelled);
    if (ok) {
        const bool topDown = h.descriptor & 0x20;
        const bool rightToLeft = h.descriptor & 0x10;
        for (int64_t y = 0; y < h.height; ++y) {
            const uint8_t* source = pixels + (topDown ? y : h.height - 1 - y) * h.width * bpp;
            uint8_t* row = out.row(y);
            for (int64_t x = 0; x < h.width; ++x)
                std::memcpy(row + x * bpp, source + (rightToLeft ? h.width - 1 - x : x) * bpp,
                            size_t(bpp));
            // 16-bit pixels: the attribute bit is not part of the colour.
            if (bpp == 2)
                for (int64_t x = 0; x < h.width; ++x)
                    row[2 * x + 1] &= 0x7F;
        }
    }
    LocalUnlock(scratch);
    LocalFree(scratch);
    if (cancelled)
        return SPI_ABORTED;
    return ok ? SPI_OK : SPI_BAD_DATA;
}

} // namespace

extern "C" {

SPI_EXPORT int SPI_CALL GetPluginInfo(int number, char* buffer, int length) {
    return spi::PluginInfo(kInfo, 4, number, buffer, length);
}

SPI_EXPORT int SPI_CALL IsSupported(const char*, const void* firstBytes) {
    Header h;
    return firstBytes && ReadHeader(static_cast<const uint8_t*>(firstBytes), 2048, h) ? 1 : 0;
}

SPI_EXPORT int SPI_CALL GetPictureInfo(const char* buffer, long length, unsigned int flag,
                                       SpiPictureInfo* info) {
    if (flag != SPI_INPUT_MEMORY || !buffer || !info)
        return SPI_NOT_IMPLEMENTED;
    const uint8_t* p = reinterpret_cast<const uint8_t*>(buffer);
    Header h;
    if (!ReadHeader(p, length, h))
        return SPI_UNKNOWN_FORMAT;
    std::memset(info, 0, sizeof *info);
    info->left = U16(p + 8);
    info->top = U16(p + 10);
    info->width = h.width;
    info->height = h.height;
    info->colorDepth = int16_t(h.depth);
    // The image ID, when there is one, is the picture's text.
    if (h.idLength > 0 && length >= 18 + h.idLength) {
        info->hInfo = LocalAlloc(LHND, size_t(h.idLength + 1));
        if (char* text = static_cast<char*>(LocalLock(info->hInfo))) {
            std::memcpy(text, p + 18, size_t(h.idLength));
            LocalUnlock(info->hInfo);
        }
    }
    return SPI_OK;
}

SPI_EXPORT int SPI_CALL GetPicture(const char* buffer, long length, unsigned int flag,
                                   HLOCAL* bitmapInfo, HLOCAL* bits, SpiProgressCallback progress,
                                   intptr_t data) {
    if (flag != SPI_INPUT_MEMORY || !buffer || !bitmapInfo || !bits)
        return SPI_NOT_IMPLEMENTED;
    spi::Input in{reinterpret_cast<const uint8_t*>(buffer), length};
    Header h;
    if (!ReadHeader(in.data, length, h))
        return SPI_UNKNOWN_FORMAT;
    spi::Output out;
    const int result = Decode(in, h, out, progress, data);
    if (result == SPI_OK)
        out.release(bitmapInfo, bits);
    return result;
}

} // extern "C"
