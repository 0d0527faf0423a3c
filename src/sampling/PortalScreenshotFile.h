#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>

// Reading the picture file a screenshot portal wrote, and removing it: the
// screenshot shows the whole desktop and must not stay behind on disk.
struct PortalScreenshotFile {
    QImage image;         // device pixels at ratio 1; null when no picture could be read
    bool removed = false; // the file was deleted
};

// Largest picture accepted, in pixels (256 MiB decoded, Qt's own reading
// limit): room for three 4K screens or one 8K screen, and a bound on what a
// hostile file can make us allocate.
constexpr qint64 kMaxScreenshotPixels = qint64(8192) * 8192;

// Reads `uri` and deletes the file when the portal plainly wrote it for this
// request: a local file:// uri naming a regular file (not a link) of ours,
// written no earlier than `requested`, that holds a picture. Anything else
// is left where it is.
PortalScreenshotFile ReadPortalScreenshot(const QString& uri, const QDateTime& requested);

// Deletes the file of an answer that came after the request was given up,
// under the same checks, without decoding it. True when it was deleted.
bool RemovePortalScreenshot(const QString& uri, const QDateTime& requested);
