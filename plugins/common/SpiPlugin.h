// What every importer of ours shares: the information table, bounds-checked
// reading of the file image, and the output blocks for the host.
#pragma once

#include "spi/SpiAbi.h"

#include <cstdint>
#include <cstring>

namespace spi {

// The largest picture an importer of ours decodes.
constexpr int64_t kMaxSide = 32768;
constexpr int64_t kMaxPixels = int64_t(1) << 28;

inline bool SizeAllowed(int64_t width, int64_t height) {
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
           width * height <= kMaxPixels;
}

// Answers GetPluginInfo from a table of texts.
inline int PluginInfo(const char* const* table, int count, int number, char* buffer, int length) {
    if (number < 0 || number >= count || !buffer || length <= 0)
        return 0;
    const size_t n = std::strlen(table[number]);
    const size_t copy = n < size_t(length - 1) ? n : size_t(length - 1);
    std::memcpy(buffer, table[number], copy);
    buffer[copy] = 0;
    return int(copy);
}

// A file image that is never read past its end.
struct Input {
    const uint8_t* data;
    int64_t size;
    int64_t pos = 0;

    bool has(int64_t n) const { return n >= 0 && pos <= size && size - pos >= n; }
    int peek() const { return pos < size ? data[pos] : -1; }
    int get() { return pos < size ? data[pos++] : -1; }
};

inline int64_t RowSize(int64_t width, int bitCount) {
    return ((width * bitCount + 31) / 32) * 4;
}

// The two blocks GetPicture hands over: a BITMAPINFO (40-byte header and
// colour table) and bottom-up pixel rows. Freed unless released.
struct Output {
    HLOCAL info = 0;
    HLOCAL bits = 0;
    uint8_t* header = nullptr;
    uint8_t* pixels = nullptr;
    int64_t rowSize = 0;
    int32_t height = 0;

    ~Output() {
        if (info) {
            LocalUnlock(info);
            LocalFree(info);
        }
        if (bits) {
            LocalUnlock(bits);
            LocalFree(bits);
        }
    }

    bool create(int32_t width, int32_t rows, int bitCount, int colors) {
        rowSize = RowSize(width, bitCount);
        height = rows;
        info = LocalAlloc(LHND, size_t(40 + 4 * colors));
        bits = LocalAlloc(LHND, size_t(rowSize * rows));
        if (!info || !bits)
            return false;
        header = static_cast<uint8_t*>(LocalLock(info));
        pixels = static_cast<uint8_t*>(LocalLock(bits));
        if (!header || !pixels)
            return false;
        put32(0, 40);
        put32(4, uint32_t(width));
        put32(8, uint32_t(rows));
        put16(12, 1);
        put16(14, uint16_t(bitCount));
        put32(32, uint32_t(colors));
        return true;
    }
    void setColor(int index, uint8_t r, uint8_t g, uint8_t b) {
        uint8_t* entry = header + 40 + 4 * index;
        entry[0] = b;
        entry[1] = g;
        entry[2] = r;
    }
    // Row `y` counted from the top of the picture.
    uint8_t* row(int64_t y) { return pixels + (height - 1 - y) * rowSize; }
    // Gives both handles to the host.
    void release(HLOCAL* infoOut, HLOCAL* bitsOut) {
        LocalUnlock(info);
        LocalUnlock(bits);
        *infoOut = info;
        *bitsOut = bits;
        info = bits = 0;
    }

private:
    void put16(int at, uint16_t v) {
        header[at] = uint8_t(v);
        header[at + 1] = uint8_t(v >> 8);
    }
    void put32(int at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            header[at + i] = uint8_t(v >> (8 * i));
    }
};

// Reports progress every few rows; true when the host asks to cancel.
inline bool Cancelled(SpiProgressCallback progress, intptr_t data, int64_t done, int64_t total) {
    return progress && (done % 16 == 0 || done == total) &&
           progress(int(done), int(total), data) != 0;
}

} // namespace spi
