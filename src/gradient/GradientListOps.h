#pragma once

#include "gradient/GradientTable.h"

#include <QString>
#include <QStringList>
#include <span>

class GradientTableList;

// The names of tables 0..count-1, in order, for a list box or drop-down list.
QStringList FillGradientNames(const GradientTableList& list);

// An entered table name without its double quotes and commas, which the
// stored records cannot carry.
QString CleanGradientName(const QString& entry);

// The cleaned `wanted` name, or the first of "NAME (2)", "NAME (3)", ...
// that no table of the list has.
QString UniqueGradientName(const GradientTableList& list, const QString& wanted);

enum class AddGradientResult { Added, Empty, Duplicate, Full };

// Appends a table named by the cleaned `entry` with `stops` sorted by
// position. Refuses an entry that is empty before cleaning, a cleaned name
// equal (exactly) to an existing one, and a 102nd table.
AddGradientResult AddGradientTable(GradientTableList& list, const QString& entry,
                                   std::span<const GradientStop> stops);

// Replaces the stops of table `index` by `stops` sorted by position; the
// name stays. False when there is no such table.
bool UpdateGradientTable(GradientTableList& list, int index, std::span<const GradientStop> stops);

// Removes table `index`, moving the later ones up. False when there is no
// such table.
bool DeleteGradientTable(GradientTableList& list, int index);
