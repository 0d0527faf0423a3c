#pragma once

#include "gradient/GradientImport.h"

#include <QByteArray>
#include <QString>

// True when `bytes` start like a GIMP gradient file.
bool LooksLikeGgr(const QByteArray& bytes);

// Reads a GIMP gradient (.ggr). Segments of straight RGB blends whose
// middles are centred and whose ends join become stops as they are; any
// other gradient is sampled and fitted into at most ten stops.
GradientImport ReadGgr(const QByteArray& bytes, const QString& fallbackName);

// A table as a GIMP gradient of straight RGB segments between its stops;
// the first and last colours are held out to the ends of the range. Empty
// for a table without stops.
QByteArray WriteGgr(const GradientTable& table);
