#include "TVmInternalDIB.h"

#include "PictureFile.h"
#include "dib/DibErrors.h"
#include "dib/DibFile.h"
#include "dib/DibFormat.h"
#include "dib/DibQuantize.h"

#include <QIODevice>
#include <cstring>

namespace {

// A seekable device as the source of a BMP file.
class DeviceSource : public DibByteSource {
public:
    explicit DeviceSource(QIODevice& device) : m_device(device) {}
    int64_t read(void* data, int64_t n) override {
        return m_device.read(static_cast<char*>(data), n);
    }
    bool skip(int64_t n) override {
        return m_device.bytesAvailable() >= n && m_device.skip(n) == n;
    }
    int64_t remaining() const override { return m_device.size() - m_device.pos(); }

private:
    QIODevice& m_device;
};

// A device that cannot tell its size (a pipe, /dev/zero): the headers are
// read as they come, and the rest, never more than a picture may take, only
// once the reader asks how much is left.
class SequentialSource : public DibByteSource {
public:
    explicit SequentialSource(QIODevice& device) : m_device(device) {}
    int64_t read(void* data, int64_t n) override {
        if (!m_taken)
            return m_device.read(static_cast<char*>(data), n);
        const int64_t got = qMin<int64_t>(n, m_rest.size() - m_at);
        if (got > 0)
            std::memcpy(data, m_rest.constData() + m_at, size_t(got));
        m_at += got;
        return got;
    }
    bool skip(int64_t n) override {
        if (n > remaining())
            return false;
        m_at += n;
        return true;
    }
    int64_t remaining() const override {
        if (!m_taken) {
            m_rest = ReadAtMost(m_device, DibAllocationLimit());
            m_taken = true;
        }
        return m_rest.size() - m_at;
    }

private:
    QIODevice& m_device;
    mutable QByteArray m_rest;
    mutable bool m_taken = false;
    int64_t m_at = 0;
};

class DeviceSink : public DibByteSink {
public:
    explicit DeviceSink(QIODevice& device) : m_device(device) {}
    bool write(const void* data, int64_t n) override {
        return m_device.write(static_cast<const char*>(data), n) == n;
    }

private:
    QIODevice& m_device;
};

} // namespace

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
        rows > DibMaxSide || qint64(width) * rows > DibMaxPixels)
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
    if (device.isSequential()) {
        SequentialSource source(device);
        ReplaceContent(ReadDibFile(source));
        return;
    }
    DeviceSource source(device);
    ReplaceContent(ReadDibFile(source));
}

void TVmInternalDIB::LoadFromClipboardFormat(const QByteArray& block) {
    ReplaceContent(
        ReadPackedDib(reinterpret_cast<const uint8_t*>(block.constData()), block.size()));
}

void TVmInternalDIB::SaveToStream(QIODevice& device) const {
    DeviceSink sink(device);
    WriteDibFile(sink, m_content);
}

QByteArray TVmInternalDIB::SaveToClipboardFormat() const {
    QByteArray block;
    try {
        block = QByteArray(PackedDibSize(m_content), '\0');
    } catch (const std::bad_alloc&) {
        throw EOutOfMemory(QStringLiteral("TVmInternalDIB.SaveToClipboardFormat: Out Of Memory"));
    }
    WritePackedDib(m_content, reinterpret_cast<uint8_t*>(block.data()));
    return block;
}

DibPixelFormat TVmInternalDIB::GetPixelFormat() const {
    return PixelFormatOf(m_content.header);
}

void TVmInternalDIB::SetPixelsFormat(int target, int quality, const DibProgressStep& step,
                                     TColor keyColor) {
    if (auto converted = ConvertPixelFormat(m_content, target, quality, step, ColorRed(keyColor),
                                            ColorGreen(keyColor), ColorBlue(keyColor)))
        ReplaceContent(std::move(*converted));
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
