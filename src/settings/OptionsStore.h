#pragma once

#include "core/Color.h"

#include <QString>
#include <optional>

class SettingsStore;
struct ProgramOptions;
struct NamedColor;
struct BodyPreset;

// The section that holds the option record.
inline const QString kOptionSection = QStringLiteral("Option");

// Fills `options` from the Option section. Missing values take their
// defaults; a missing or non-positive count loads the built-in table.
// Counts above a table's capacity load that many entries only; a record
// that is empty, too short or has a non-numeric colour leaves its slot as
// it was. `htmlcase` outside 0..2 and `markupstyle` outside 0..2 count as 0.
void LoadOptions(const SettingsStore& store, ProgramOptions& options);

// Writes every option to the Option section (the caller syncs the store).
// Entries beyond a shortened count are left where they are: counts bound
// every read.
void SaveOptions(SettingsStore& store, const ProgramOptions& options);

// The plug-in folder as the program uses it after loading the options: an
// existing folder ends in a separator (one is added when missing), a folder
// that does not exist gives an empty text.
QString CheckedPluginFolder(const QString& folder);

// A colour stored as decimal text: a 32-bit value, signed or unsigned.
std::optional<TColor> ParseStoredColor(const QString& text);

// The stored records of one named colour and one body preset.
QString NamedColorRecord(const NamedColor& entry);
QString BodyPresetRecord(const BodyPreset& preset);
// Reads a record into `entry`; false, with `entry` untouched, when the
// record has too few fields or a colour field is not a number.
bool ReadNamedColorRecord(const QString& record, NamedColor& entry);
bool ReadBodyPresetRecord(const QString& record, BodyPreset& preset);
