#pragma once

#include "dib/DibErrors.h"
#include "pictures/TVmDIB.h"
#include "pictures/TVmDIBCanvas.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QRgb>
#include <QString>
#include <cmath>
#include <functional>
#include <vector>

// Helpers shared by the picture tests.
namespace dibtest {

inline QByteArray ReadFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

inline void LoadBytes(TVmDIB& dib, QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    dib.LoadFromStream(buffer);
}

inline QByteArray SaveBytes(TVmDIB& dib) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    dib.SaveToStream(buffer);
    return bytes;
}

// Pixel (x, y) of a held picture, y counted from the top, read through 24 bits.
class Pixels {
public:
    explicit Pixels(const TVmDIB& dib) {
        TVmDIB copy;
        copy.Assign(&dib);
        copy.SetPixelFormat(DibFormat24Bit);
        const DibContent& c = copy.InternalDIB().content();
        m_width = c.width();
        m_height = c.absHeight();
        for (int y = 0; y < m_height; ++y) {
            const uchar* row = c.row(c.header.biHeight > 0 ? m_height - 1 - y : y);
            for (int x = 0; x < m_width; ++x)
                m_rgb.push_back(qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]));
        }
    }
    int width() const { return m_width; }
    int height() const { return m_height; }
    QRgb at(int x, int y) const { return m_rgb[size_t(y * m_width + x)]; }

private:
    int m_width = 0, m_height = 0;
    std::vector<QRgb> m_rgb;
};

// Fills a new picture of the given format from a colour function (x, y from the top).
inline void MakePicture(TVmDIB& dib, int width, int height,
                        const std::function<QRgb(int, int)>& color) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, color(x, y));
    dib.Assign(image);
}

// The message of the picture error `f` raises, or "" when none.
inline QString ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const EPictureError& e) {
        return e.message();
    }
    return QString();
}

// Peak signal-to-noise ratio of two pictures of one size over red, green and blue.
inline double Psnr(const TVmDIB& a, const TVmDIB& b) {
    const Pixels pa(a), pb(b);
    double sum = 0;
    for (int y = 0; y < pa.height(); ++y)
        for (int x = 0; x < pa.width(); ++x) {
            const QRgb p = pa.at(x, y), q = pb.at(x, y);
            const double d[3] = {double(qRed(p) - qRed(q)), double(qGreen(p) - qGreen(q)),
                                 double(qBlue(p) - qBlue(q))};
            sum += d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
        }
    const double mse = sum / (3.0 * pa.width() * pa.height());
    return mse == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / mse);
}

} // namespace dibtest
