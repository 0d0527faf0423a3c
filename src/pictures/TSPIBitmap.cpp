#include "TSPIBitmap.h"

#include "PictureFile.h"
#include "dib/DibErrors.h"

#include <QIODevice>
#include <QImage>
#include <QtEndian>

const TGraphicClass TSPIBitmap::Class{"TSPIBitmap",
                                      [] { return std::unique_ptr<TVmGraphic>(new TSPIBitmap); }};

TSPIBitmap::TSPIBitmap()
    : m_able(
          QStringLiteral("BMP"), [this](QIODevice& stream) { ReadBmp(stream); },
          [this](const TSPIPictureData& data, const TPictureInfoRec& info) {
              return Build(data, info);
          },
          [this](TProgressStage stage, int percent) { Progress(stage, percent, QString()); }) {}

void TSPIBitmap::ReadBmp(QIODevice& stream) {
    LimitQtImageReaders();
    const QImage image = QImage::fromData(stream.readAll(), "BMP");
    if (image.isNull())
        throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
    Assign(image);
}

void TSPIBitmap::LoadFromFile(const QString& fileName) {
    TInSPIAble::NameScope scope(m_able, fileName);
    TVmDIB::LoadFromFile(fileName);
}

void TSPIBitmap::LoadFromStream(QIODevice& stream) {
    m_able.RetryPast128 = RetryPast128;
    m_able.ForcedPlugin = ForcedPlugin;
    m_able.LoadFromStream(stream);
}

bool TSPIBitmap::Build(const TSPIPictureData& data, const TPictureInfoRec&) {
    qint64 headerLength = 0;
    const QByteArray dib = PackPluginDib(data, &headerLength);
    if (dib.isEmpty())
        return false;
    QByteArray file(14, '\0');
    file[0] = 'B';
    file[1] = 'M';
    qToLittleEndian<quint32>(quint32(14 + dib.size()), file.data() + 2);
    qToLittleEndian<quint32>(quint32(14 + headerLength), file.data() + 10);
    file += dib;
    LimitQtImageReaders();
    const QImage image = QImage::fromData(file, "BMP");
    if (image.isNull())
        throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
    Assign(image);
    return true;
}
