#pragma once

#include <QString>

// A save writes a new file beside its target and renames it over the target,
// which would turn a device, a FIFO or a folder into a plain file: such a
// name is refused. Returns the message to show, or an empty text when the
// name is a regular file (or a link to one) or nothing yet.
QString SaveTargetProblem(const QString& path);
