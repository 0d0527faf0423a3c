#pragma once

#include "html/HtmlCase.h"
#include "html/StyledText.h"
#include "html/TextChars.h"
#include "html/TextGradient.h"

#include <QString>
#include <QStringList>
#include <span>

struct ProgramOptions;

// Characters [first, end) painted together by the element of class
// `className` instead of each in its own colour.
struct TextPaintedRun {
    size_t first = 0;
    size_t end = 0;
    QString className;
};

// The gradient-text page's markup in CSS: one outer SPAN whose style holds
// font-family, font-size and color of the first character, together with
// bold, italic and underline when they do not vary; then, when anything
// varies, an inner SPAN per run of characters alike in what varies, with
// only those properties. What varies is decided as the FONT writer decides
// it. Tag and attribute names in the given case, the CSS itself in lower
// case, a line break after each opening SPAN tag name when `htmlcr` is set,
// colours always "#RRGGBB", the text escaped as the FONT writer escapes it.
// Empty for an empty text, and when `progress` stops it. Each painted run
// (in order, apart) is one SPAN with its class around its characters, whose
// inner SPANs then leave out the colour.
QString WriteGradientTextCss(const StyledText& text, const QStringList& fonttable, HtmlCase mode,
                             bool htmlcr, const TextProgress& progress = {},
                             MarkupChars markupChars = MarkupChars::Escape,
                             std::span<const TextPaintedRun> painted = {});
QString WriteGradientTextCss(const StyledText& text, const ProgramOptions& options,
                             const TextProgress& progress = {});
