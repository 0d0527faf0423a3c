#include "DibContent.h"

DibContent DibContent::clone() const {
    DibContent copy;
    copy.header = header;
    copy.colors = colors;
    copy.bits = bits.clone();
    return copy;
}

DibContent MakeDibContent(int32_t width, int32_t height, int bitCount, uint32_t colorsUsed) {
    DibContent content;
    content.header.biWidth = width;
    content.header.biHeight = height;
    content.header.biBitCount = uint16_t(bitCount);
    content.header.biClrUsed = colorsUsed;
    const int64_t rows = height < 0 ? -int64_t(height) : int64_t(height);
    content.bits = DibSection(DibRowSize(width, bitCount) * rows);
    return content;
}
