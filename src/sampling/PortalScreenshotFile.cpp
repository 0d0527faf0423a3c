#include "sampling/PortalScreenshotFile.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QUrl>

#include <unistd.h>

namespace {

// File times may be coarser than the clock, and the portal may stamp the
// file a moment before it answers.
constexpr int kTimeSlackSeconds = 2;

bool WrittenForThisRequest(const QFileInfo& info, const QDateTime& requested) {
    if (info.isSymLink() || !info.isFile())
        return false;
    if (info.ownerId() != uint(::getuid()))
        return false;
    return info.lastModified() >= requested.addSecs(-kTimeSlackSeconds);
}

// The local file an answer names; empty for anything else.
QString LocalFile(const QString& uri) {
    const QUrl url(uri, QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != QLatin1String("file") || !url.isLocalFile() ||
        !url.host().isEmpty())
        return QString();
    const QString path = url.toLocalFile();
    const QFileInfo info(path);
    if (!info.isAbsolute() || info.isSymLink() || !info.isFile())
        return QString();
    return path;
}

} // namespace

PortalScreenshotFile ReadPortalScreenshot(const QString& uri, const QDateTime& requested) {
    PortalScreenshotFile result;
    const QString path = LocalFile(uri);
    if (path.isEmpty())
        return result;
    const QFileInfo info(path);

    QImageReader reader(path);
    reader.setAutoTransform(false);
    const bool isPicture = reader.canRead();
    const QSize size = reader.size();
    if (isPicture && size.isValid() && qint64(size.width()) * size.height() <= kMaxScreenshotPixels)
        result.image = reader.read();
    // Qt reads a ratio from names like "shot@2x.png"; the caller lays the
    // shot over the screens itself.
    result.image.setDevicePixelRatio(1.0);
    // Close the file before removing it.
    reader.setDevice(nullptr);

    if (isPicture && WrittenForThisRequest(info, requested))
        result.removed = QFile::remove(path);
    return result;
}

bool RemovePortalScreenshot(const QString& uri, const QDateTime& requested) {
    const QString path = LocalFile(uri);
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    bool isPicture = false;
    {
        QImageReader reader(path);
        isPicture = reader.canRead();
    }
    return isPicture && WrittenForThisRequest(info, requested) && QFile::remove(path);
}
