#pragma once

#include "core/Color.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

class SettingsStore;

// The sixteen custom colours of the colour dialog, stored in the section
// CustomColors as ColorA .. ColorP, each a 4-byte little-endian binary value.
using CustomColorSet = std::array<TColor, 16>;

inline const QString kCustomColorsSection = QStringLiteral("CustomColors");

// The value name of custom colour `index` (0 .. 15): "ColorA" .. "ColorP".
QString CustomColorName(int index);

// A colour as its stored four bytes, lowest first, and back; a value of any
// other length is no colour.
QByteArray CustomColorBytes(TColor color);
std::optional<TColor> CustomColorFromBytes(const QByteArray& bytes);

// Reads the sixteen colours through one buffer that starts at 0 (black): a
// missing value, or one that is not 4 bytes long, repeats the colour before it.
// All 32 bits of a stored value are kept.
CustomColorSet LoadCustomColors(const SettingsStore& store);

// Writes the sixteen colours. The colour dialog knows red, green and blue
// only, so a colour whose low 24 bits equal the stored value's, with a zero
// top byte, keeps the stored value and its top byte.
void SaveCustomColors(SettingsStore& store, const CustomColorSet& colors);
