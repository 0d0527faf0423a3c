#pragma once

#include "html/StyledText.h"
#include "html/TextGradient.h"

#include <QFont>
#include <vector>

class QTextCharFormat;
class QTextDocument;
struct GradientTable;

// The gradient-text page's document as the writer and the gradient effect
// read it, with the document position of every character.
struct DocumentText {
    StyledText text;
    std::vector<int> positions;
};

// What a character format says, with `defaultFont` filling in what it leaves
// unset (no colour is black).
CharStyle CharStyleOfFormat(const QTextCharFormat& format, const QFont& defaultFont);

// Every character of the document in order. A paragraph end (and a line
// separator within one) is the character '\n' in the style the document
// keeps for it; the document's final paragraph end is not text.
DocumentText StyledTextFromDocument(const QTextDocument& document);

// A selection of document positions (either order) as gradient positions.
PositionRange DocumentSelectionToPositions(const DocumentText& text, int from, int to);

// Gives characters [first, end) of the document the colours `text` holds
// for them: one edit block (one undo step), one format merge per run of
// characters of equal colour.
void ApplyCharColors(QTextDocument& document, const DocumentText& text, qsizetype first,
                     qsizetype end);

// The gradient effect on a document: the selection from..to in document
// positions (empty: the whole text). The document is only edited when the
// status is Applied. `progress` sees the walk; the document edit that
// follows is one step and is not stopped.
TextGradientResult
ApplyTextGradient(QTextDocument& document, const GradientTable* table, int from, int to,
                  const TextProgress& progress = {},
                  GradientInterpolation interpolation = GradientInterpolation::Srgb);
