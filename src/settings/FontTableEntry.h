#pragma once

#include <QString>

// Whether a font table entry can be kept: it is written into FACE="..."
// and stored as one line, so a double quote or a control character (a line
// break above all) would not come back as it went in.
bool IsStorableFontTableEntry(const QString& entry);

// What the options dialog says when it refuses an entry.
QString FontTableEntryRefusal();
