#include "TVmInternalDIB.h"

#include "dib/DibErrors.h"
#include "dib/DibFile.h"
#include "dib/DibFormat.h"
#include "dib/DibQuantize.h"

#include <QBuffer>
#include <QIODevice>

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
