#include "TVmDIBCanvas.h"

#include "TVmDIB.h"
#include "dib/DibConversions.h"
#include "dib/DibErrors.h"

#include <QHash>
#include <QPainter>

TVmDIBCanvas::TVmDIBCanvas(TVmDIB& dib) : m_dib(dib) {
    TVmInternalDIB& data = dib.WritableDIB();
    m_original = data.GetPixelFormat();
    m_originalColors = data.colors();
    m_originalColorCount = data.header().biClrUsed;
    if (m_original != DibFormat24Bit)
        data.SetPixelsFormat(DibFormat24Bit, ConvertQualityLow, {}, dib.MonoKeyColor);
    const int w = data.width(), h = data.height();
    m_image =
        QImage(data.writableBits(), w, h, qsizetype(DibRowSize(w, 24)), QImage::Format_BGR888);
    m_painter = std::make_unique<QPainter>();
    if (m_image.isNull() || !m_painter->begin(&m_image))
        throw EOutOfResources(QStringLiteral("TVmDIBCanvas.Create: Cannot Create Memory DC"));
    if (data.header().biHeight > 0) // rows are stored bottom-up
        m_painter->setTransform(QTransform(1, 0, 0, -1, 0, h));
}

TVmDIBCanvas::~TVmDIBCanvas() {
    m_painter->end();
    m_painter.reset();
    m_image = QImage();
    try {
        if (m_original != DibFormat24Bit)
            MapBack();
        m_dib.ContentChanged();
    } catch (...) {
        // A destructor cannot report; the picture keeps what was drawn in 24 bits.
    }
}

// Every drawn pixel becomes the nearest entry of the original colour table.
void TVmDIBCanvas::MapBack() {
    TVmInternalDIB& data = m_dib.WritableDIB();
    const DibContent& drawn = data.content();
    const int bits = m_original == DibFormat1Bit                                       ? 1
                     : (m_original == DibFormat4Bit || m_original == DibFormat4BitRLE) ? 4
                                                                                       : 8;
    // Only entries that a pixel of this depth can name are candidates.
    const int count = int(qBound<quint32>(1, m_originalColorCount, 1u << bits));
    DibContent out =
        MakeDibContent(drawn.width(), drawn.header.biHeight, bits, m_originalColorCount);
    out.colors = m_originalColors;
    QHash<quint32, int> nearest;
    const qint32 w = drawn.width(), h = drawn.absHeight();
    for (qint32 y = 0; y < h; ++y) {
        const uchar* p = drawn.row(y);
        uchar* d = out.row(y);
        for (qint32 x = 0; x < w; ++x, p += 3) {
            const quint32 key = quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16);
            auto it = nearest.find(key);
            if (it == nearest.end()) {
                int best = 0, bestDistance = INT_MAX;
                for (int i = 0; i < count; ++i) {
                    const RgbQuad& c = m_originalColors[size_t(i)];
                    const int db = c.rgbBlue - p[0], dg = c.rgbGreen - p[1], dr = c.rgbRed - p[2];
                    const int dist = dr * dr + dg * dg + db * db;
                    if (dist < bestDistance) {
                        bestDistance = dist;
                        best = i;
                    }
                }
                it = nearest.insert(key, best);
            }
            const int v = it.value();
            if (bits == 8)
                d[x] = uchar(v);
            else if (bits == 4)
                d[x >> 1] |= uchar((x & 1) ? v : v << 4);
            else if (v)
                d[x >> 3] |= uchar(0x80 >> (x & 7));
        }
    }
    if (m_original == DibFormat4BitRLE || m_original == DibFormat8BitRLE) {
        try {
            out = m_original == DibFormat8BitRLE ? Convert8BitRGBTo8BitRLE(out)
                                                 : Convert4BitRGBTo4BitRLE(out);
        } catch (const EVmDIBCompressionFailed&) {
            // Too busy to compress: keep it uncompressed.
        }
    }
    data.ReplaceContent(std::move(out));
}
