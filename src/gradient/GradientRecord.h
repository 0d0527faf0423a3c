#pragma once

#include "gradient/GradientTable.h"

#include <QString>
#include <QStringList>

// The one-line record a table is stored as: every field in double quotes,
// separated by commas; the name, the stop count, all positions, then all
// colours as decimal TColor values.
QString GradientTableToRecord(const GradientTable& table);

// Reads a record. A damaged one (a number field that is not a number, a
// stop count outside 0..10, fewer fields than the count needs) gives a
// table with no stops and the record's name, if it had one.
GradientTable GradientTableFromRecord(const QString& record);
