#include "TQtImageDIB.h"

#include "PictureFile.h"
#include "dib/DibErrors.h"

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>

const TGraphicClass TQtImageDIB::Class{"TQtImageDIB",
                                       [] { return std::unique_ptr<TVmGraphic>(new TQtImageDIB); }};

void TQtImageDIB::LoadFromStream(QIODevice& stream) {
    LimitQtImageReaders();
    QImageReader reader(&stream);
    const QSize size = reader.size();
    // The size the header claims is checked before anything is decoded.
    if (size.isValid() && (size.width() > DibMaxSide || size.height() > DibMaxSide ||
                           qint64(size.width()) * size.height() > DibMaxPixels))
        throw EInvalidGraphic(
            QCoreApplication::translate("TQtImageDIB", "認識できない画像形式です"));
    const QByteArray format = reader.format();
    const QImage image = reader.read();
    if (image.isNull())
        throw EInvalidGraphic(
            QCoreApplication::translate("TQtImageDIB", "認識できない画像形式です"));
    m_format = format;
    Assign(image);
}
