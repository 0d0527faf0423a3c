#include "TVmDIB.h"

#include "TVmDIBCanvas.h"
#include "dib/DibConversions.h"
#include "dib/DibErrors.h"

#include <QImage>
#include <QPainter>
#include <cstring>

namespace {

// A toolkit image over the picture's pixels (no copy where the layout allows;
// `keep` holds converted pixels alive). Row 0 of the image is row 0 in memory.
QImage ImageOf(const DibContent& content, DibContent& keep) {
    const DibContent* c = &content;
    if (c->header.biCompression == BI_RLE8) {
        keep = Convert8BitRLETo8BitRGB(*c);
        c = &keep;
    } else if (c->header.biCompression == BI_RLE4) {
        keep = Convert4BitRLETo4BitRGB(*c);
        c = &keep;
    }
    if (c->header.biBitCount == 4) {
        DibContent wide = Convert4BitRGBTo8BitRGB(*c);
        keep = std::move(wide);
        c = &keep;
    }
    const int w = c->width(), h = c->absHeight();
    const qsizetype bpl = qsizetype(c->rowSize());
    QImage image;
    switch (c->header.biBitCount) {
    case 1:
        image = QImage(c->bits.data(), w, h, bpl, QImage::Format_Mono);
        image.setColorTable(
            {qRgb(c->colors[0].rgbRed, c->colors[0].rgbGreen, c->colors[0].rgbBlue),
             qRgb(c->colors[1].rgbRed, c->colors[1].rgbGreen, c->colors[1].rgbBlue)});
        break;
    case 8: {
        image = QImage(c->bits.data(), w, h, bpl, QImage::Format_Indexed8);
        QList<QRgb> table(256);
        for (int i = 0; i < 256; ++i)
            table[i] = qRgb(c->colors[size_t(i)].rgbRed, c->colors[size_t(i)].rgbGreen,
                            c->colors[size_t(i)].rgbBlue);
        image.setColorTable(table);
        break;
    }
    case 24:
        image = QImage(c->bits.data(), w, h, bpl, QImage::Format_BGR888);
        break;
    default:
        break;
    }
    return image;
}

} // namespace

TVmDIB::TVmDIB() {
    m_internal = new TVmInternalDIB;
}

TVmDIB::~TVmDIB() {
    if (m_internal && m_internal->release() == 0)
        delete m_internal;
}

void TVmDIB::Check(const char* operation) const {
    if (!m_internal)
        throw EVmDIBAssert(QString::fromLatin1(operation) +
                           QStringLiteral(": InternalDIB Should not be Nil"));
}

void TVmDIB::ReleaseInternalDIB() {
    if (!m_internal)
        throw EVmDIBAssert(
            QStringLiteral("TVMDIB.ReleaseInternalDIB: InternalDIB should not be Nil"));
    if (m_internal->release() == 0)
        delete m_internal;
    m_internal = nullptr;
}

void TVmDIB::Hold(std::unique_ptr<TVmInternalDIB> data) {
    ReleaseInternalDIB();
    m_internal = data.release();
}

void TVmDIB::UniqueDIB() {
    Check("TVmDIB.UniqueDIB");
    if (m_internal->refCount() > 1)
        Hold(m_internal->clone());
}

TVmInternalDIB& TVmDIB::WritableDIB() {
    UniqueDIB();
    return *m_internal;
}

void TVmDIB::ContentChanged() {
    UpdatePaletteModified();
    Changed();
}

const TVmInternalDIB& TVmDIB::InternalDIB() const {
    Check("TVmDIB.InternalDIB");
    return *m_internal;
}

void TVmDIB::UpdatePaletteModified() {
    if (m_internal->refCount() != 1)
        throw EVmDIBAssert(QStringLiteral("TVmDIB.UpdatePaletteModified RefCount Must be 1"));
    if (m_internal->palettePending()) {
        m_internal->clearPalettePending();
        PaletteModified = true;
    }
}

void TVmDIB::Assign(const TVmGraphic* source) {
    Check("TVmDIB.Assign");
    if (!source) {
        Hold(std::make_unique<TVmInternalDIB>());
        PaletteModified = true;
        Changed();
        return;
    }
    const auto* other = dynamic_cast<const TVmDIB*>(source);
    if (!other) {
        TVmGraphic::Assign(source);
        return;
    }
    other->Check("TVmDIB.Assign");
    if (other->m_internal != m_internal) {
        other->m_internal->addRef();
        TVmInternalDIB* shared = other->m_internal;
        ReleaseInternalDIB();
        m_internal = shared;
    }
    ConvertQuality = other->ConvertQuality;
    MonoKeyColor = other->MonoKeyColor;
    HalftoneMode = other->HalftoneMode;
    PaletteModified = true;
    Changed();
}

void TVmDIB::Assign(const QImage& bitmap) {
    Check("TVmDIB.Assign");
    if (bitmap.isNull())
        throw EVmDIBInvalidDIBPara(QStringLiteral("TVmInternalDIB.CreateDIB: Invalid Parameters"));
    int bits;
    QImage source;
    switch (bitmap.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
        bits = 1;
        source = bitmap.convertToFormat(QImage::Format_Mono);
        break;
    case QImage::Format_Indexed8:
        bits = 8;
        source = bitmap;
        break;
    default:
        bits = 24;
        source = bitmap.convertToFormat(QImage::Format_BGR888);
        break;
    }
    auto data = std::make_unique<TVmInternalDIB>();
    const int w = source.width(), h = source.height();
    data->CreateDIB(w, h, 0, bits);
    DibContent content = data->content().clone();
    const QList<QRgb> table = source.colorTable();
    for (int i = 0; i < qMin<int>(int(table.size()), 256); ++i)
        content.colors[size_t(i)] =
            RgbQuad{quint8(qBlue(table[i])), quint8(qGreen(table[i])), quint8(qRed(table[i])), 0};
    content.header.biClrUsed = bits == 24 ? 0 : quint32(qMin<int>(int(table.size()), 256));
    if (content.header.biClrUsed == 0 && bits != 24)
        content.header.biClrUsed = bits == 1 ? 2 : 256;
    const size_t rowBytes = size_t(qMin<qint64>(content.rowSize(), source.bytesPerLine()));
    for (int y = 0; y < h; ++y) // stored bottom-up
        std::memcpy(content.row(h - 1 - y), source.constScanLine(y), rowBytes);
    data->ReplaceContent(std::move(content));
    Hold(std::move(data));
    UpdatePaletteModified();
    Changed();
}

void TVmDIB::AssignTo(QImage& bitmap) {
    Check("TVmDIB.AssignTo");
    const DibPixelFormat format = m_internal->GetPixelFormat();
    const int keptMode = HalftoneMode;
    HalftoneMode = 0;
    const TVmPaletteRef palette = GetPalette();
    HalftoneMode = keptMode;
    DibContent keep;
    QImage view = ImageOf(m_internal->content(), keep);
    if (m_internal->header().biHeight > 0)
        view = view.mirrored(false, true);
    switch (format) {
    case DibFormat1Bit:
        bitmap = view.convertToFormat(QImage::Format_Mono);
        break;
    case DibFormat4Bit:
    case DibFormat4BitRLE:
    case DibFormat8Bit:
    case DibFormat8BitRLE:
        bitmap = view.copy();
        break;
    case DibFormat24Bit:
        bitmap = view.convertToFormat(QImage::Format_RGB888);
        break;
    default:
        throw EVmDIBAssert(QStringLiteral("TVmDIB.AssignTo: Illegal PixelFormat"));
    }
    // Indexed images keep the full table made from the colour table, so that
    // no stored index is left without a colour.
    if (palette && bitmap.format() == QImage::Format_Mono && palette->count() >= 2)
        bitmap.setColorTable(palette->entries().mid(0, 2));
}

void TVmDIB::DrawPlain(QPainter& canvas, const QRect& rect) {
    DibContent keep;
    QImage image;
    try {
        // Only formats whose pixel data were sized on loading are drawn.
        m_internal->GetPixelFormat();
        image = ImageOf(m_internal->content(), keep);
    } catch (const EPictureError&) {
        // Malformed data draw nothing, as the platform's own stretch would.
        return;
    }
    if (image.isNull())
        return;
    const qreal w = image.width(), h = image.height();
    canvas.save();
    canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // Bottom-up rows: draw the image upside down so that the last row lands on top.
    QTransform t;
    if (m_internal->header().biHeight > 0)
        t = QTransform(rect.width() / w, 0, 0, -rect.height() / h, rect.left(),
                       rect.top() + rect.height());
    else
        t = QTransform(rect.width() / w, 0, 0, rect.height() / h, rect.left(), rect.top());
    canvas.setTransform(t, true);
    canvas.drawImage(QPointF(0, 0), image);
    canvas.restore();
}

void TVmDIB::Draw(QPainter& canvas, const QRect& rect) {
    Check("TVmDIB.Draw");
    if (HalftoneMode == 0) {
        DrawPlain(canvas, rect);
        return;
    }
    if (HalftoneMode != 1 && HalftoneMode != 2)
        return;
    if (rect.width() == 0 || rect.height() == 0)
        return;
    // Stretch into a picture of the rectangle's size first, then halftone that.
    TVmDIB temporary;
    temporary.SetBitCount(24);
    temporary.SetWidth(qAbs(rect.width()));
    temporary.SetHeight(qAbs(rect.height()));
    {
        TVmDIBCanvas target(temporary);
        DrawPlain(target.painter(), QRect(0, 0, qAbs(rect.width()), qAbs(rect.height())));
    }
    temporary.SetPixelFormat(HalftoneMode == 1 ? DibFormatHalftone : DibFormatHalftoneBW);
    temporary.DrawPlain(canvas, rect);
}

bool TVmDIB::GetEmpty() const {
    Check("TVmDIB.GetEmpty");
    return false;
}

int TVmDIB::GetHeight() const {
    Check("TVmDIB.GetHeight");
    return m_internal->height();
}

int TVmDIB::GetWidth() const {
    Check("TVmDIB.GetWidth");
    return m_internal->width();
}

int TVmDIB::GetBitCount() const {
    Check("TVmDIB.GetBitCount");
    return m_internal->header().biBitCount;
}

DibPixelFormat TVmDIB::GetPixelFormat() const {
    Check("TVmDIB.GetPixelFormat");
    return m_internal->GetPixelFormat();
}

TVmPaletteRef TVmDIB::GetPalette() {
    Check("TVmDIB.GetPalette");
    if (HalftoneMode == 1)
        return HalftonePalette();
    if (HalftoneMode == 2)
        return BlackWhitePalette();
    return m_internal->palette();
}

void TVmDIB::SetPalette(TVmPaletteRef palette) {
    Check("TVmDIB.SetPalette");
    UniqueDIB();
    m_internal->setPalette(std::move(palette));
    PaletteModified = true;
    Changed();
}

void TVmDIB::Reshape(qint32 width, qint32 height, int bitCount, quint32 colors) {
    auto data = std::make_unique<TVmInternalDIB>();
    data->CreateDIB(width, height, int(colors), bitCount);
    Hold(std::move(data));
    UpdatePaletteModified();
    Changed();
}

void TVmDIB::SetWidth(int value) {
    Check("TVmDIB.SetWidth");
    if (value <= 0)
        throw EVmDIBInvalidDIBPara(QStringLiteral("TVmDIB.SetWidth: Invalid Width"));
    const BitmapInfoHeader& h = m_internal->header();
    if (value == h.biWidth)
        return;
    Reshape(value, h.biHeight, h.biBitCount, h.biClrUsed);
}

void TVmDIB::SetHeight(int value) {
    Check("TVmDIB.SetWidth");
    if (value == 0)
        throw EVmDIBInvalidDIBPara(QStringLiteral("TVmDIB.SetWidth: Invalid Height"));
    const BitmapInfoHeader& h = m_internal->header();
    if (value == h.biHeight)
        return;
    Reshape(h.biWidth, value, h.biBitCount, h.biClrUsed);
}

void TVmDIB::SetBitCount(int value) {
    Check("TVmDIB.SetBitCount");
    if (value != 1 && value != 4 && value != 8 && value != 24)
        throw EVmDIBInvalidDIBPara(QStringLiteral("TVmDIB.SetBitCount: Invalid BitCount"));
    const BitmapInfoHeader& h = m_internal->header();
    if (value == h.biBitCount)
        return;
    const quint32 colors = value == 1 ? 2 : value == 4 ? 16 : value == 8 ? 256 : 0;
    Reshape(h.biWidth, h.biHeight, value, colors);
}

void TVmDIB::LoadFromStream(QIODevice& stream) {
    Check("TVmDIB.LoadFromStream");
    auto data = std::make_unique<TVmInternalDIB>();
    data->LoadFromStream(stream);
    Hold(std::move(data));
    UpdatePaletteModified();
    Changed();
}

void TVmDIB::SaveToStream(QIODevice& stream) {
    Check("TVmDIB.SaveToStream");
    m_internal->SaveToStream(stream);
}

void TVmDIB::LoadFromClipboardFormat(quint16 format, const QByteArray& data, TVmPaletteRef) {
    Check("TVmDIB.LoadFromClipboardFormat");
    if (format != CF_DIB || data.isEmpty())
        throw EInvalidGraphic(
            QStringLiteral("TVmDIB.LoadFromClipboardFormat: Invalid Clipboard Format or No Data"));
    auto loaded = std::make_unique<TVmInternalDIB>();
    loaded->LoadFromClipboardFormat(data);
    Hold(std::move(loaded));
    UpdatePaletteModified();
    Changed();
}

void TVmDIB::SaveToClipboardFormat(quint16& format, QByteArray& data, TVmPaletteRef& palette) {
    Check("TVmDIB.SaveToClipboardFormat");
    data = m_internal->SaveToClipboardFormat();
    format = CF_DIB;
    palette.reset();
}

void TVmDIB::BeginProgress(const QString& message, int steps) {
    m_progressMessage = message;
    m_progressTotal = steps;
    m_progressDone = 0;
    Progress(TProgressStage::Starting, 0, message);
}

void TVmDIB::StepProgress() {
    if (m_progressTotal <= 0)
        return;
    ++m_progressDone;
    if (m_progressDone < m_progressTotal)
        Progress(TProgressStage::Running, m_progressDone * 100 / m_progressTotal,
                 m_progressMessage);
}

void TVmDIB::EndProgress() {
    if (m_progressTotal > 0)
        Progress(TProgressStage::Ending, 100, m_progressMessage);
    m_progressTotal = 0;
    m_progressDone = 0;
}

void TVmDIB::Convert(const std::function<void()>& work) {
    // The progress always ends, also when the conversion fails.
    try {
        work();
    } catch (...) {
        EndProgress();
        throw;
    }
    EndProgress();
    UpdatePaletteModified();
    Changed();
}

void TVmDIB::SetPixelFormat(int format) {
    Check("TVmDIB.GetPixelFormat");
    const DibPixelFormat from = m_internal->GetPixelFormat();
    if (format == from)
        return;
    UniqueDIB();
    static const char* const names[] = {"1Bit",    "4Bit",  "4BitRLE", "8Bit",
                                        "8BitRLE", "24Bit", "",        ""};
    int steps = 0;
    const bool toFour = format == DibFormat4Bit || format == DibFormat4BitRLE;
    const bool toEight = format == DibFormat8Bit || format == DibFormat8BitRLE;
    if (toFour && (from == DibFormat8Bit || from == DibFormat8BitRLE || from == DibFormat24Bit))
        steps = 16;
    else if (toEight && from == DibFormat24Bit)
        steps = 256;
    if (steps)
        BeginProgress(QStringLiteral("PixelFormat %1 -> %2")
                          .arg(QLatin1String(names[from]), QLatin1String(names[format])),
                      steps);
    Convert([&] {
        m_internal->SetPixelsFormat(
            format, ConvertQuality, [this] { StepProgress(); }, MonoKeyColor);
    });
}

void TVmDIB::CreateTrueColorPalette() {
    Check("TVmDIB.CreateTrueColorPalette");
    UniqueDIB();
    BeginProgress(QStringLiteral("Create True Color Palette"), 256);
    Convert(
        [&] { m_internal->CreateTrueColorPalette(ConvertQuality, [this] { StepProgress(); }); });
}
