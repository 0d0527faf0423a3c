#pragma once

#include "core/Color.h"

#include <QString>
#include <array>

class SettingsStore;

// The sixteen custom colours of the colour dialog, stored in the section
// CustomColors as ColorA .. ColorP, each a 4-byte little-endian binary value.
using CustomColorSet = std::array<TColor, 16>;

inline const QString kCustomColorsSection = QStringLiteral("CustomColors");

// The value name of custom colour `index` (0 .. 15): "ColorA" .. "ColorP".
QString CustomColorName(int index);

// Reads the sixteen colours through one buffer that starts at 0 (black): a
// missing value, or one that is not 4 bytes long, repeats the colour before it.
CustomColorSet LoadCustomColors(const SettingsStore& store);
void SaveCustomColors(SettingsStore& store, const CustomColorSet& colors);
