#pragma once

#include "html/StyledText.h"
#include "settings/MarkupOptions.h"

#include <QString>
#include <functional>

struct GradientTable;

// Reports work done out of a total; returning false stops the work.
using TextProgress = std::function<bool(qint64 done, qint64 total)>;

enum class TextGradientStatus {
    Applied,
    NoTable,     // no gradient table is selected
    TooFewStops, // the table has fewer than two stops
    EmptyText,   // nothing to colour
    Stopped,     // the progress callback stopped it; nothing changed
};

struct TextGradientResult {
    TextGradientStatus status = TextGradientStatus::EmptyText;
    // Characters [firstChar, endChar) may have a new colour.
    qsizetype firstChar = 0;
    qsizetype endChar = 0;
};

// The positions the gradient runs over for a selection: the selection when
// it is at least one position long, else the whole text; cut to the text.
PositionRange GradientRange(PositionRange selection, qsizetype textLength);

// Colours the characters of the range along `table` (null: none selected),
// one walk item per position. A two-position character takes the colour of
// its first position; its second position still takes a walk item. The
// character holding the range's last position gets exactly the last stop's
// colour. Without a usable table nothing changes and the status says why.
TextGradientResult
ApplyTextGradient(StyledText& text, const GradientTable* table, PositionRange selection,
                  const TextProgress& progress = {},
                  GradientInterpolation interpolation = GradientInterpolation::Srgb);

// A line for the status bar; empty for Applied.
QString TextGradientStatusMessage(TextGradientStatus status);
