#pragma once

#include <QByteArray>
#include <QFile>
#include <functional>

// The file side of loading and saving a picture, shared by the picture classes
// and by the tools that read the picture data without them.

// Opens `file` for reading; EFOpenError naming it when it cannot.
void OpenPictureForReading(QFile& file);

// What is left of a device that cannot tell its size (a pipe, a terminal,
// /dev/zero), read in steps: at most `limit` bytes, EReadError when more follow.
QByteArray ReadAtMost(QIODevice& device, qint64 limit);

// Gives Qt's image readers the limit of the DIB code (Qt counts in MiB).
void LimitQtImageReaders();

// Saves a picture file: `write` fills a new file beside `fileName` that takes
// its name only once everything was written, so a failed save keeps the old
// file. EFOpenError when the file cannot be made or the name is not a regular
// file (a device, a FIFO, a folder); EWriteError when the data did not arrive.
void SavePictureFile(const QString& fileName, const std::function<void(QIODevice&)>& write);
