#pragma once

#include <QFile>

// The file side of loading and saving a picture, shared by the picture classes
// and by the tools that read the picture data without them.

// Opens `file` for reading; EFOpenError naming it when it cannot.
void OpenPictureForReading(QFile& file);
// Creates or empties `file` for writing; EFOpenError naming it when it cannot.
void OpenPictureForWriting(QFile& file);
// Flushes what was written; EWriteError when it did not arrive.
void FinishPictureWriting(QFile& file);
