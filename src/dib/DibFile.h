#pragma once

#include "DibContent.h"

#include <cstdint>

// Where the bytes of a BMP file come from: a file, a device, a block.
class DibByteSource {
public:
    virtual ~DibByteSource() = default;
    // Reads up to n bytes; returns how many arrived (fewer only at the end), or -1.
    virtual int64_t read(void* data, int64_t n) = 0;
    // Passes over n bytes; false when fewer are left.
    virtual bool skip(int64_t n) = 0;
    // Bytes from the current position to the end.
    virtual int64_t remaining() const = 0;
};

// Where the bytes of a BMP file go.
class DibByteSink {
public:
    virtual ~DibByteSink() = default;
    // False when not all of them arrived.
    virtual bool write(const void* data, int64_t n) = 0;
};

// Reads a BMP file from the source's position. 1, 4, 8 and 24-bit pixels stay
// as stored; 16 and 32-bit ones become 24-bit. Every size is checked before
// anything is allocated; failures raise the picture errors.
DibContent ReadDibFile(DibByteSource& source);
// Reads a packed DIB: header, colour table and pixels in one block.
DibContent ReadPackedDib(const uint8_t* block, int64_t size);

// Writes a BMP file with a 40-byte header and at most 256 table entries.
void WriteDibFile(DibByteSink& sink, const DibContent& content);
// The packed DIB of `content`: PackedDibSize bytes written to `out`.
int64_t PackedDibSize(const DibContent& content);
void WritePackedDib(const DibContent& content, uint8_t* out);
