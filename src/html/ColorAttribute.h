#pragma once

#include "core/Color.h"
#include "html/HtmlCase.h"

#include <QString>

class NamedColorTable;
struct ProgramOptions;

// A colour as markup writes it: its "#RRGGBB" text (always upper-case hex),
// or, when names are preferred, the name of the first row of the table that
// holds exactly this value under a name browsers read as this value, in the
// given letter case.
QString ColorToAttributeText(TColor color, bool preferName, const NamedColorTable& table,
                             HtmlCase mode);
// The same with the table and the letter case of the options.
QString ColorToAttributeText(TColor color, bool preferName, const ProgramOptions& options);
