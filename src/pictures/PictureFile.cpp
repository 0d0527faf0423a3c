#include "PictureFile.h"

#include "dib/DibErrors.h"

void OpenPictureForReading(QFile& file) {
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(
            QStringLiteral("Cannot open file \"%1\". %2").arg(file.fileName(), file.errorString()));
}

void OpenPictureForWriting(QFile& file) {
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw EFOpenError(QStringLiteral("Cannot create file \"%1\". %2")
                              .arg(file.fileName(), file.errorString()));
}

void FinishPictureWriting(QFile& file) {
    if (!file.flush())
        throw EWriteError(QStringLiteral("Stream write error"));
}
