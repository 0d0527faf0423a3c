#include "TVmGraphic.h"

#include "PictureFile.h"
#include "dib/DibErrors.h"
#include "dib/DibTypes.h"

#include <QBuffer>
#include <QFile>
#include <QMimeData>

void TVmGraphic::Assign(const TVmGraphic*) {
    throw EInvalidGraphic(QStringLiteral("Cannot assign to this picture"));
}

void TVmGraphic::LoadFromFile(const QString& fileName) {
    QFile file(fileName);
    OpenPictureForReading(file);
    LoadFromStream(file);
}

void TVmGraphic::SaveToFile(const QString& fileName) {
    SavePictureFile(fileName, [this](QIODevice& file) { SaveToStream(file); });
}

void TVmGraphic::Changed() {
    if (OnChange)
        OnChange(*this);
}

void TVmGraphic::Progress(TProgressStage stage, int percent, const QString& message) {
    if (OnProgress)
        OnProgress(*this, stage, percent, QRect(0, 0, GetWidth(), GetHeight()), message);
}

void TVmGraphic::AssignClipboard(const QMimeData& data) {
    const quint16 format = GetClipboardFormat();
    // The name under which Qt carries CF_DIB data.
    const QString native =
        QStringLiteral("application/x-qt-windows-mime;value=\"DeviceIndependentBitmap\"");
    if (format == CF_DIB && data.hasFormat(native)) {
        LoadFromClipboardFormat(format, data.data(native), nullptr);
    } else if (format == CF_DIB && data.hasFormat(QStringLiteral("image/bmp"))) {
        QByteArray file = data.data(QStringLiteral("image/bmp"));
        QBuffer buffer(&file);
        buffer.open(QIODevice::ReadOnly);
        LoadFromStream(buffer);
    } else {
        LoadFromClipboardFormat(format, QByteArray(), nullptr);
    }
}
