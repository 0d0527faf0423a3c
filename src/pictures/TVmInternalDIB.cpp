#include "TVmInternalDIB.h"

#include "DibConversions.h"
#include "DibErrors.h"
#include "DibQuantize.h"

#include <QBuffer>
#include <QIODevice>
#include <atomic>
#include <climits>
#include <cstring>

namespace {

std::atomic<qint64> g_maxPixels{DibMaxPixelsDefault};

quint16 ReadU16(const uchar* p) {
    return quint16(p[0] | (p[1] << 8));
}
quint32 ReadU32(const uchar* p) {
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}
void PutU16(uchar* p, quint32 v) {
    p[0] = uchar(v);
    p[1] = uchar(v >> 8);
}
void PutU32(uchar* p, quint32 v) {
    for (int i = 0; i < 4; ++i)
        p[i] = uchar(v >> (8 * i));
}

// The 40-byte header from its little-endian bytes.
BitmapInfoHeader ParseInfoHeader(const uchar* p) {
    BitmapInfoHeader h;
    h.biSize = ReadU32(p);
    h.biWidth = qint32(ReadU32(p + 4));
    h.biHeight = qint32(ReadU32(p + 8));
    h.biPlanes = ReadU16(p + 12);
    h.biBitCount = ReadU16(p + 14);
    h.biCompression = ReadU32(p + 16);
    h.biSizeImage = ReadU32(p + 20);
    h.biXPelsPerMeter = qint32(ReadU32(p + 24));
    h.biYPelsPerMeter = qint32(ReadU32(p + 28));
    h.biClrUsed = ReadU32(p + 32);
    h.biClrImportant = ReadU32(p + 36);
    return h;
}

void WriteInfoHeader(uchar* p, const BitmapInfoHeader& h) {
    PutU32(p, 40);
    PutU32(p + 4, quint32(h.biWidth));
    PutU32(p + 8, quint32(h.biHeight));
    PutU16(p + 12, h.biPlanes);
    PutU16(p + 14, h.biBitCount);
    PutU32(p + 16, h.biCompression);
    PutU32(p + 20, h.biSizeImage);
    PutU32(p + 24, quint32(h.biXPelsPerMeter));
    PutU32(p + 28, quint32(h.biYPelsPerMeter));
    PutU32(p + 32, h.biClrUsed);
    PutU32(p + 36, h.biClrImportant);
}

// The older 12-byte core header as a 40-byte one.
BitmapInfoHeader CoreToInfoHeader(const uchar* p, quint32 entries) {
    BitmapInfoHeader h;
    h.biWidth = ReadU16(p + 4);
    h.biHeight = ReadU16(p + 6);
    h.biPlanes = ReadU16(p + 8);
    h.biBitCount = ReadU16(p + 10);
    h.biCompression = BI_RGB;
    h.biClrUsed = entries;
    return h;
}

quint32 DefaultColors(int bitCount) {
    switch (bitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

[[noreturn]] void Fail(const char* message) {
    throw EVmDIBInvalidDIB(QString::fromLatin1(message));
}

// Refuses shapes that are not pictures or that no row arithmetic could hold,
// before anything is allocated.
void CheckShape(const BitmapInfoHeader& h, bool widthMustBePositive) {
    const char* message = "TVmInternalDIB.LoadFromStream: Invalid Width or Height";
    if ((widthMustBePositive && h.biWidth <= 0) || h.biWidth == 0 || h.biHeight == 0)
        Fail(message);
    if (h.biWidth < 0 || h.biHeight == INT_MIN)
        Fail(message);
    const qint64 w = h.biWidth;
    const qint64 rows = h.biHeight < 0 ? -qint64(h.biHeight) : qint64(h.biHeight);
    if (w > DibMaxSide || rows > DibMaxSide || w * rows > DibMaxPixels())
        Fail(message);
    if (h.biHeight < 0 && (h.biCompression == BI_RLE8 || h.biCompression == BI_RLE4))
        Fail(message);
}

// Where 16 and 32-bit pixels put their channels.
struct Masks {
    quint32 mask[3] = {0, 0, 0}; // red, green, blue
};

int MaskShift(quint32 mask) {
    int s = 0;
    while (mask >= 256) {
        mask >>= 1;
        ++s;
    }
    while (mask < 128) {
        mask <<= 1;
        --s;
    }
    return s;
}

// Expands 16 or 32-bit rows into a 24-bit section; `readRow` fills one source
// row and returns how many of its bytes exist (the rest count as zero).
DibContent ExpandTo24(const BitmapInfoHeader& source, const ColorTable& colors, const Masks& given,
                      const std::function<qint64(uchar*, qint64)>& readRow) {
    Masks masks = given;
    if (source.biCompression == BI_RGB) {
        if (source.biBitCount == 16)
            masks = {{0x7C00, 0x03E0, 0x001F}};
        else
            masks = {{0xFF0000, 0x00FF00, 0x0000FF}};
    }
    for (quint32 m : masks.mask)
        if (m == 0)
            Fail("TVmInternalDIB.LoadFromStream: Invalid Masks");
    int shift[3];
    for (int c = 0; c < 3; ++c)
        shift[c] = MaskShift(masks.mask[c]);

    DibContent out;
    out.header = source;
    out.header.biBitCount = 24;
    out.header.biCompression = BI_RGB;
    out.header.biSizeImage = 0;
    out.colors = colors;
    const qint32 width = source.biWidth;
    const qint32 rows = source.biHeight < 0 ? -source.biHeight : source.biHeight;
    const qint64 dstRow = DibRowSize(width, 24);
    const bool wide = source.biBitCount == 32;
    const qint64 srcRow = wide ? qint64(width) * 4 : ((qint64(width) * 2 + 3) / 4) * 4;
    out.bits = DibSection(dstRow * rows);
    QByteArray buffer(srcRow, Qt::Uninitialized);
    uchar* src = reinterpret_cast<uchar*>(buffer.data());
    auto channel = [&](quint32 pixel, int c) {
        const quint32 v = pixel & masks.mask[c];
        return uchar((shift[c] >= 0 ? v >> shift[c] : v << -shift[c]) & 0xFF);
    };
    for (qint32 y = 0; y < rows; ++y) {
        const qint64 got = readRow(src, srcRow);
        if (got < srcRow)
            std::memset(src + (got > 0 ? got : 0), 0, size_t(srcRow - (got > 0 ? got : 0)));
        uchar* d = out.row(y);
        for (qint32 x = 0; x < width; ++x) {
            const quint32 pixel =
                wide ? ReadU32(src + qint64(x) * 4) : ReadU16(src + qint64(x) * 2);
            d[0] = channel(pixel, 2);
            d[1] = channel(pixel, 1);
            d[2] = channel(pixel, 0);
            d += 3;
        }
    }
    return out;
}

// Reads exactly n bytes or fails as a truncated stream.
void ReadExact(QIODevice& device, void* data, qint64 n) {
    if (n <= 0)
        return;
    if (device.read(static_cast<char*>(data), n) != n)
        throw EReadError(QStringLiteral("Stream read error"));
}

void Skip(QIODevice& device, qint64 n) {
    if (n <= 0)
        return;
    if (device.bytesAvailable() < n || device.skip(n) != n)
        throw EReadError(QStringLiteral("Stream read error"));
}

} // namespace

void DibSetMaxPixels(qint64 pixels) {
    g_maxPixels = pixels;
}

qint64 DibMaxPixels() {
    return g_maxPixels;
}

TVmInternalDIB::TVmInternalDIB() {
    m_content = MakeDibContent(1, 1, 8, 2);
}

TVmPaletteRef TVmInternalDIB::palette() {
    if (!m_palette && m_content.header.biClrUsed != 0)
        m_palette = GetPaletteFromDIBInfos(m_content.colors, m_content.header.biClrUsed);
    return m_palette;
}

void TVmInternalDIB::setPalette(TVmPaletteRef palette) {
    if (m_refCount != 1)
        throw EVmDIBAssert(QStringLiteral("TVmInternalDIB.UpdatePalette: RefCount Must be 1"));
    if (!palette) {
        m_content.header.biClrUsed = 0;
        m_palette.reset();
        return;
    }
    if (palette->count() == 0)
        throw EVmDIBInvalidPalette(QStringLiteral("TVmDIB.SetPalette: Invalid Palette"));
    const int n = qMin(palette->count(), 256);
    for (int i = 0; i < n; ++i) {
        const QRgb c = palette->entries().at(i);
        m_content.colors[i] = RgbQuad{quint8(qBlue(c)), quint8(qGreen(c)), quint8(qRed(c)), 0};
    }
    m_content.header.biClrUsed = quint32(n);
    m_palette = std::move(palette);
}

void TVmInternalDIB::CreateDIB(qint32 width, qint32 height, int colors, int bitCount) {
    const qint64 rows = height < 0 ? -qint64(height) : qint64(height);
    if (width <= 0 || height == 0 || colors < 0 || colors > 256 ||
        (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24) || width > DibMaxSide ||
        rows > DibMaxSide || qint64(width) * rows > DibMaxPixels())
        throw EVmDIBInvalidDIBPara(QStringLiteral("TVmInternalDIB.CreateDIB: Invalid Parameters"));
    ReplaceContent(MakeDibContent(width, height, bitCount, quint32(colors)));
}

void TVmInternalDIB::ReplaceContent(DibContent&& content) {
    m_content = std::move(content);
    m_content.header.biSize = 40;
    m_width = m_content.header.biWidth;
    m_height = m_content.absHeight();
    m_palette.reset();
    m_palettePending = true;
}

std::unique_ptr<TVmInternalDIB> TVmInternalDIB::clone() const {
    auto copy = std::make_unique<TVmInternalDIB>();
    copy->m_width = m_width;
    copy->m_height = m_height;
    copy->m_content = m_content.clone();
    copy->m_palette = m_palette;
    copy->m_palettePending = m_palettePending;
    return copy;
}

void TVmInternalDIB::LoadFromStream(QIODevice& device) {
    // A pipe cannot say how much is left; take it all first.
    if (device.isSequential()) {
        QByteArray all = device.readAll();
        QBuffer buffer(&all);
        buffer.open(QIODevice::ReadOnly);
        LoadFromStream(buffer);
        return;
    }
    uchar fileHeader[14];
    ReadExact(device, fileHeader, 14);
    if (ReadU16(fileHeader) != 0x4D42)
        throw EVmDIBInvalidDIBFile(
            QStringLiteral("TVmInternalDIB.LoadFromFile: File type is invalid"));
    const qint64 fileSize = ReadU32(fileHeader + 2);

    uchar raw[52] = {};
    ReadExact(device, raw, 4);
    const quint32 headerSize = ReadU32(raw);
    BitmapInfoHeader h;
    DibContent content;
    Masks masks;
    qint64 declaredBits = 0;
    // 52 and 56 bytes: the 40-byte header with its masks inside (RGB, RGBA).
    if (headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 108 ||
        headerSize == 124) {
        ReadExact(device, raw + 4, 36);
        h = ParseInfoHeader(raw);
        const int bits = h.biBitCount;
        if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
            Fail("TVmInternalDIB.LoadFromStream: Invalid BitCout");
        if (h.biClrUsed == 0)
            h.biClrUsed = DefaultColors(bits);
        // Newer headers carry the masks inside; the 40-byte one has them after it.
        if (headerSize > 40) {
            ReadExact(device, raw + 40, 12);
            Skip(device, qint64(headerSize) - 52);
        } else if (h.biCompression == BI_BITFIELDS) {
            ReadExact(device, raw + 40, 12);
        }
        if (h.biCompression == BI_BITFIELDS || headerSize > 40)
            for (int c = 0; c < 3; ++c)
                masks.mask[c] = ReadU32(raw + 40 + 4 * c);
        const qint64 entries = h.biClrUsed;
        const qint64 kept = qMin<qint64>(entries, 256);
        ReadExact(device, content.colors.data(), kept * 4);
        Skip(device, (entries - kept) * 4);
        const qint64 maskBytes = (headerSize == 40 && h.biCompression == BI_BITFIELDS) ? 12 : 0;
        declaredBits = fileSize - 14 - headerSize - maskBytes - 4 * entries;
        h.biClrUsed = quint32(kept);
    } else if (headerSize == 12) {
        ReadExact(device, raw + 4, 8);
        const int bits = ReadU16(raw + 10);
        if (bits != 1 && bits != 4 && bits != 8 && bits != 24)
            Fail("TVmInternalDIB.LoadFromStream: Invalid BitCount");
        const quint32 entries = DefaultColors(bits);
        h = CoreToInfoHeader(raw, entries);
        uchar table[256 * 3];
        ReadExact(device, table, qint64(entries) * 3);
        for (quint32 i = 0; i < entries; ++i)
            content.colors[i] = RgbQuad{table[3 * i], table[3 * i + 1], table[3 * i + 2], 0};
        declaredBits = fileSize - 14 - 12 - 3 * qint64(entries);
    } else {
        Fail("TVmInternalDIB.LoadFromStream: Invalid Bitmap Header Size");
    }
    h.biSize = 40;
    CheckShape(h, true);

    const qint64 available = qMax<qint64>(0, device.size() - device.pos());
    const qint32 rows = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    switch (h.biBitCount) {
    case 1:
    case 4:
    case 8:
    case 24: {
        content.header = h;
        qint64 size;
        if (h.biCompression == BI_RGB || h.biCompression == BI_BITFIELDS) {
            // Missing rows stay zero; bytes past the rows are not kept.
            size = DibRowSize(h.biWidth, h.biBitCount) * rows;
        } else {
            size = (declaredBits > 0 && declaredBits <= available) ? declaredBits : available;
        }
        content.bits = DibSection(size);
        const qint64 n = qMin(size, available);
        if (n > 0 && device.read(reinterpret_cast<char*>(content.bits.data()), n) < 0)
            throw EReadError(QStringLiteral("Stream read error"));
        break;
    }
    case 16:
    case 32:
        content = ExpandTo24(h, content.colors, masks, [&](uchar* row, qint64 n) {
            return device.read(reinterpret_cast<char*>(row), n);
        });
        break;
    default:
        Fail("TVmInternalDIB.LoadFromStream: Invalid biBitCount");
    }
    ReplaceContent(std::move(content));
}

void TVmInternalDIB::LoadFromClipboardFormat(const QByteArray& block) {
    const uchar* p = reinterpret_cast<const uchar*>(block.constData());
    const qint64 blockSize = block.size();
    auto invalid = [] {
        throw EVmDIBInvalidDIB(
            QStringLiteral("TVmDIB.LoadFromClipboardFormat: Invalid Clipboard Data"));
    };
    auto badBits = [] { Fail("TVmInternalDIB.LoadFromClipboardFormat: Invalid biBitCount"); };
    if (blockSize < 4)
        invalid();
    const quint32 headerSize = ReadU32(p);
    BitmapInfoHeader h;
    DibContent content;
    Masks masks;
    qint64 length = 0;
    if (headerSize == 40) {
        if (blockSize < 40)
            invalid();
        h = ParseInfoHeader(p);
        const int bits = h.biBitCount;
        const qint64 colors = h.biClrUsed != 0 ? qint64(h.biClrUsed) : DefaultColors(bits);
        const bool withMasks = h.biCompression == BI_BITFIELDS;
        length = colors * 4 + (withMasks ? 52 : 40);
        if (length > blockSize)
            invalid();
        if (withMasks)
            for (int c = 0; c < 3; ++c)
                masks.mask[c] = ReadU32(p + 40 + 4 * c);
        const qint64 kept = qMin<qint64>(colors, 256);
        std::memcpy(content.colors.data(), p + (withMasks ? 52 : 40), size_t(kept * 4));
        h.biClrUsed = quint32(kept);
    } else if (headerSize == 12) {
        if (blockSize < 12)
            invalid();
        const int bits = ReadU16(p + 10);
        const quint32 entries = DefaultColors(bits);
        length = qint64(entries) * 3 + 12;
        if (length > blockSize)
            invalid();
        h = CoreToInfoHeader(p, entries);
        for (quint32 i = 0; i < entries; ++i) {
            const uchar* e = p + 12 + 3 * i;
            content.colors[i] = RgbQuad{e[0], e[1], e[2], 0};
        }
    } else {
        invalid();
    }
    h.biSize = 40;
    CheckShape(h, false);
    // A block of no size is refused before its bit count is looked at.
    const int bits = h.biBitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        badBits();

    const qint64 available = blockSize - length;
    const qint32 rows = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    if (h.biBitCount == 16 || h.biBitCount == 32) {
        qint64 offset = length;
        content = ExpandTo24(h, content.colors, masks, [&](uchar* row, qint64 n) {
            const qint64 got = qBound<qint64>(0, blockSize - offset, n);
            if (got > 0)
                std::memcpy(row, p + offset, size_t(got));
            offset += n;
            return got;
        });
    } else {
        content.header = h;
        const qint64 size = (h.biCompression == BI_RGB || h.biCompression == BI_BITFIELDS)
                                ? DibRowSize(h.biWidth, h.biBitCount) * rows
                                : available;
        content.bits = DibSection(size);
        const qint64 n = qMin(size, available);
        if (n > 0)
            std::memcpy(content.bits.data(), p + length, size_t(n));
    }
    ReplaceContent(std::move(content));
}

void TVmInternalDIB::SaveToStream(QIODevice& device) const {
    const quint32 colors = qMin<quint32>(m_content.header.biClrUsed, 256);
    const qint64 tableSize = 4 * qint64(colors);
    uchar head[54];
    head[0] = 'B';
    head[1] = 'M';
    PutU32(head + 2, quint32(14 + 40 + tableSize + m_content.bits.size()));
    PutU32(head + 6, 0);
    PutU32(head + 10, quint32(54 + tableSize));
    BitmapInfoHeader h = m_content.header;
    h.biClrUsed = colors;
    WriteInfoHeader(head + 14, h);
    auto write = [&](const void* data, qint64 n) {
        if (n > 0 && device.write(static_cast<const char*>(data), n) != n)
            throw EWriteError(QStringLiteral("Stream write error"));
    };
    write(head, 54);
    write(m_content.colors.data(), tableSize);
    write(m_content.bits.data(), m_content.bits.size());
}

QByteArray TVmInternalDIB::SaveToClipboardFormat() const {
    const quint32 colors = qMin<quint32>(m_content.header.biClrUsed, 256);
    const qint64 tableSize = 4 * qint64(colors);
    QByteArray block;
    try {
        block = QByteArray(40 + tableSize + m_content.bits.size(), '\0');
    } catch (const std::bad_alloc&) {
        throw EOutOfMemory(QStringLiteral("TVmInternalDIB.SaveToClipboardFormat: Out Of Memory"));
    }
    uchar* p = reinterpret_cast<uchar*>(block.data());
    BitmapInfoHeader h = m_content.header;
    h.biClrUsed = colors;
    WriteInfoHeader(p, h);
    std::memcpy(p + 40, m_content.colors.data(), size_t(tableSize));
    if (m_content.bits.size() > 0)
        std::memcpy(p + 40 + tableSize, m_content.bits.data(), size_t(m_content.bits.size()));
    return block;
}

DibPixelFormat TVmInternalDIB::GetPixelFormat() const {
    const quint32 c = m_content.header.biCompression;
    switch (m_content.header.biBitCount) {
    case 1:
        if (c == BI_RGB)
            return DibFormat1Bit;
        Fail("TVmInternalDIB.GetPixelFormat: Invalid DIB(1Bit)");
    case 4:
        if (c == BI_RGB)
            return DibFormat4Bit;
        if (c == BI_RLE4)
            return DibFormat4BitRLE;
        Fail("TVmInternalDIB.GetPixelFormat: Invalid DIB(4Bit)");
    case 8:
        if (c == BI_RGB)
            return DibFormat8Bit;
        if (c == BI_RLE8)
            return DibFormat8BitRLE;
        Fail("TVmInternalDIB.GetPixelFormat: Invalid DIB(8Bit)");
    case 24:
        if (c == BI_RGB)
            return DibFormat24Bit;
        Fail("TVmInternalDIB.GetPixelFormat: Invalid DIB(24Bit)");
    default:
        Fail("TVmInternalDIB.GetPixelFormat: Invalid DIB(Illegal BitCount)");
    }
}

void TVmInternalDIB::SetPixelsFormat(int target, int quality, const DibProgressStep& step,
                                     TColor keyColor) {
    auto pixelFormatError = [] {
        throw EVmDIBAssert(QStringLiteral("TVmIntenalDIB.SetPixelsFormat: PixelFormat Error"));
    };
    if (quality != ConvertQualityLow && quality != ConvertQualityHigh)
        pixelFormatError();
    if (target < DibFormat1Bit || target > DibFormatHalftoneBW)
        pixelFormatError();
    DibPixelFormat from = GetPixelFormat();
    if (target == from)
        return;
    const bool high = quality == ConvertQualityHigh;

    // Each routine reads the previous result and makes a new one; the held
    // data change only when the whole chain has succeeded.
    DibContent result;
    const DibContent* current = &m_content;
    auto apply = [&](DibContent next) {
        result = std::move(next);
        current = &result;
    };
    if (from == DibFormat8BitRLE) {
        apply(Convert8BitRLETo8BitRGB(*current));
        from = DibFormat8Bit;
    } else if (from == DibFormat4BitRLE) {
        apply(Convert4BitRLETo4BitRGB(*current));
        from = DibFormat4Bit;
    }
    if (target == DibFormatHalftone || target == DibFormatHalftoneBW) {
        apply(target == DibFormatHalftone ? ConvertToHalfTone(*current)
                                          : ConvertToHalfToneBW(*current));
        ReplaceContent(std::move(result));
        return;
    }
    const DibPixelFormat base = target == DibFormat4BitRLE   ? DibFormat4Bit
                                : target == DibFormat8BitRLE ? DibFormat8Bit
                                                             : DibPixelFormat(target);
    const int r = ColorRed(keyColor), g = ColorGreen(keyColor), b = ColorBlue(keyColor);
    if (from != base) {
        switch (from) {
        case DibFormat1Bit:
            apply(base == DibFormat4Bit   ? Convert1BitRGBTo4BitRGB(*current)
                  : base == DibFormat8Bit ? Convert1BitRGBTo8BitRGB(*current)
                                          : Convert1BitRGBToTrueColor(*current));
            break;
        case DibFormat4Bit:
            apply(base == DibFormat1Bit   ? Convert4BitRGBTo1BitRGB(*current, r, g, b)
                  : base == DibFormat8Bit ? Convert4BitRGBTo8BitRGB(*current)
                                          : Convert4BitRGBToTrueColor(*current));
            break;
        case DibFormat8Bit:
            apply(base == DibFormat1Bit   ? Convert8BitTo1BitRGB(*current, r, g, b)
                  : base == DibFormat4Bit ? Convert8BitRGBTo4BitRGB(*current, step)
                                          : Convert8BitRGBToTrueColor(*current));
            break;
        case DibFormat24Bit:
            if (base == DibFormat1Bit)
                apply(ConvertTrueColorTo1BitRGB(*current, r, g, b));
            else if (base == DibFormat4Bit)
                apply(high ? ConvertTrueColorTo4BitRGBHigh(*current, step)
                           : ConvertTrueColorTo4BitRGBLow(*current, step));
            else
                apply(high ? ConvertTrueColorTo8BitRGBHigh(*current, step)
                           : ConvertTrueColorTo8BitRGBLow(*current, step));
            break;
        default:
            pixelFormatError();
        }
    }
    if (target == DibFormat4BitRLE)
        apply(Convert4BitRGBTo4BitRLE(*current));
    else if (target == DibFormat8BitRLE)
        apply(Convert8BitRGBTo8BitRLE(*current));
    if (current == &m_content)
        return;
    ReplaceContent(std::move(result));
}

void TVmInternalDIB::CreateTrueColorPalette(int quality, const DibProgressStep& step) {
    if (m_content.header.biBitCount != 24 || m_content.header.biCompression != BI_RGB)
        throw EVmDIBBadDIBType(
            QStringLiteral("TVmInternalDIB.CreateTrueColorPalette: Bad DIB Type"));
    if (quality != ConvertQualityLow && quality != ConvertQualityHigh)
        throw EVmDIBAssert(QStringLiteral("TVmIntenalDIB.SetPixelsFormat: PixelFormat Error"));
    ColorTable table{};
    const int n = BuildTrueColorPalette(m_content, quality == ConvertQualityHigh, 256, table, step);
    m_content.colors = table;
    m_content.header.biClrUsed = quint32(n);
    m_palette.reset();
    m_palettePending = true;
}
