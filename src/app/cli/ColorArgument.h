#pragma once

#include "core/Color.h"

#include <QString>

struct CliContext;

// A colour argument: "#RRGGBB" (either letter case), "R,G,B" in decimal
// 0..255, a CSS colour name (the colour browsers draw for it), another
// name from the named colour table (first match), or any CSS colour text
// (gamut-mapped into sRGB).
// UsageError when it is none of them.
TColor ParseColorArgument(const CliContext& context, const QString& text);
