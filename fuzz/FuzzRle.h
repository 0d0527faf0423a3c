#pragma once

#include "dib/DibConversions.h"
#include "dib/DibErrors.h"

#include <cstdlib>
#include <cstring>

// Three bytes of shape (width 1..1024, height 1..256), then the RLE stream.
// Whatever decodes must survive encoding and decode to the same pixels.
inline void FuzzRle(const uint8_t* data, size_t size, int bits) {
    if (size < 3)
        return;
    DibContent source;
    source.header.biWidth = 1 + (data[0] | ((data[1] & 3) << 8));
    source.header.biHeight = 1 + data[2];
    source.header.biBitCount = uint16_t(bits);
    source.header.biCompression = bits == 8 ? BI_RLE8 : BI_RLE4;
    source.header.biClrUsed = bits == 8 ? 256 : 16;
    source.bits = DibSection(int64_t(size - 3));
    if (size > 3)
        std::memcpy(source.bits.data(), data + 3, size - 3);
    DibContent decoded;
    try {
        decoded = bits == 8 ? Convert8BitRLETo8BitRGB(source) : Convert4BitRLETo4BitRGB(source);
    } catch (const EVmDIBInvalidDIB&) {
        return;
    }
    DibContent encoded;
    try {
        encoded = bits == 8 ? Convert8BitRGBTo8BitRLE(decoded) : Convert4BitRGBTo4BitRLE(decoded);
    } catch (const EVmDIBCompressionFailed&) {
        return;
    }
    const DibContent again =
        bits == 8 ? Convert8BitRLETo8BitRGB(encoded) : Convert4BitRLETo4BitRGB(encoded);
    if (again.bits.size() != decoded.bits.size() ||
        std::memcmp(again.bits.data(), decoded.bits.data(), size_t(decoded.bits.size())) != 0)
        std::abort();
}
