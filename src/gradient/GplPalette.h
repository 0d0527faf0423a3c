#pragma once

#include "gradient/GradientTable.h"

#include <QByteArray>
#include <QString>
#include <span>

// The stops of `tables` as a GIMP palette (.gpl) named `name`: one colour
// per stop, named after its table and position, one comment line per table.
QByteArray WriteGplPalette(std::span<const GradientTable> tables, const QString& name);
