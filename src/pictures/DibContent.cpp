#include "DibContent.h"

DibContent DibContent::clone() const {
    DibContent copy;
    copy.header = header;
    copy.colors = colors;
    copy.bits = bits.clone();
    return copy;
}

DibContent MakeDibContent(qint32 width, qint32 height, int bitCount, quint32 colorsUsed) {
    DibContent content;
    content.header.biWidth = width;
    content.header.biHeight = height;
    content.header.biBitCount = quint16(bitCount);
    content.header.biClrUsed = colorsUsed;
    const qint64 rows = height < 0 ? -qint64(height) : qint64(height);
    content.bits = DibSection(DibRowSize(width, bitCount) * rows);
    return content;
}
