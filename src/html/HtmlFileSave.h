#pragma once

#include <QString>

// Writes text (UTF-8) to a file chosen by the user. The text goes to a new
// file beside the target that replaces it only once it is complete, so a
// full disk or a failed write leaves any old file as it was; a name that is
// not a regular file (a device, a FIFO, a folder) is refused. Returns an
// empty text when saved, otherwise the system's message.
QString SaveHtmlFile(const QString& path, const QString& text);
