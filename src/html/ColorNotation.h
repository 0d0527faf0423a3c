#pragma once

#include "core/Color.h"
#include "html/HtmlCase.h"

#include <QString>
#include <QStringList>

class NamedColorTable;
struct ProgramOptions;

// The colour page's ten notations of one colour: 0..4 write "#RRGGBB"
// bare, after COLOR=, after COLOR:, in a FONT tag and in a STYLE tag;
// 5..9 the same with the colour's name when names are preferred and it
// has one. Tag and attribute names follow the letter case; the "#RRGGBB"
// text never does. No line break. In CSS markup notations 2 and 7 write
// the declaration color:VALUE, and 3, 4, 8 and 9 a SPAN tag whose style
// holds it.
inline constexpr int kColorNotationCount = 10;

// The text of `notation`; empty for an index outside 0..9 (nothing to write).
QString WriteColorNotation(TColor color, int notation, bool preferNames,
                           const NamedColorTable& table, HtmlCase mode, bool css = false);
// The same with colorconst, the letter case and the markup style of the options.
QString WriteColorNotation(TColor color, int notation, const ProgramOptions& options);

// All ten texts, the captions the set button gives the notation group.
QStringList ColorNotationTexts(TColor color, const ProgramOptions& options);
// The group's captions before the set button is first pressed.
QStringList ColorNotationStartCaptions();
