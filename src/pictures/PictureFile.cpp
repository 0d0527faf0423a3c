#include "PictureFile.h"

#include "core/SaveTarget.h"
#include "dib/DibErrors.h"
#include "dib/DibTypes.h"

#include <QImageReader>
#include <QSaveFile>
#include <climits>

void OpenPictureForReading(QFile& file) {
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(
            QStringLiteral("Cannot open file \"%1\". %2").arg(file.fileName(), file.errorString()));
}

QByteArray ReadAtMost(QIODevice& device, qint64 limit) {
    constexpr qint64 kStep = qint64(64) << 10;
    QByteArray bytes;
    for (;;) {
        // One byte past the limit tells a full input from a longer one.
        const qint64 want = qMin(kStep, limit + 1 - bytes.size());
        const qsizetype at = bytes.size();
        bytes.resize(at + qsizetype(want));
        const qint64 got = device.read(bytes.data() + at, want);
        if (got < 0)
            throw EReadError(QStringLiteral("Stream read error"));
        bytes.resize(at + qsizetype(got));
        if (bytes.size() > limit)
            throw EReadError(QStringLiteral("Stream read error"));
        if (got == 0 && !device.waitForReadyRead(-1))
            return bytes;
    }
}

void LimitQtImageReaders() {
    // 0 would mean no limit at all.
    QImageReader::setAllocationLimit(
        int(qBound(qint64(1), qint64(DibAllocationLimit() >> 20), qint64(INT_MAX))));
}

void SavePictureFile(const QString& fileName, const std::function<void(QIODevice&)>& write) {
    if (const QString problem = SaveTargetProblem(fileName); !problem.isEmpty())
        throw EFOpenError(problem);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw EFOpenError(
            QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, file.errorString()));
    write(file);
    if (!file.commit())
        throw EWriteError(QStringLiteral("Stream write error"));
}
