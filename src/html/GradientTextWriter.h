#pragma once

#include "html/HtmlCase.h"
#include "html/StyledText.h"
#include "html/TextChars.h"
#include "html/TextGradient.h"

#include <QString>
#include <QStringList>

struct ProgramOptions;

// The gradient-text page's HTML: one outer FONT element with face, size and
// colour of the first character; when any of those varies, an inner FONT
// element per character with the varying ones; B, I and U opened once when
// they do not vary, around each character as needed when they do. Tag and
// attribute names in the given case, a line break after each opening FONT
// tag name when `htmlcr` is set, colours always "#RRGGBB", the text with
// '<', '>' and '&' escaped unless `markupChars` says AsTyped. B, I and U
// are closed and reopened where needed so that tags nest; a CR LF pair is
// never split. A face is the font-table entry FindFontEntry gives for the
// character's font (the font name itself when the table is empty).
// Empty for an empty text, and when `progress` stops it: either way the
// clipboard is to be left as it is.
QString WriteGradientTextHtml(const StyledText& text, const QStringList& fonttable, HtmlCase mode,
                              bool htmlcr, const TextProgress& progress = {},
                              MarkupChars markupChars = MarkupChars::Escape);
// The same with the font table, letter case, line breaks and rawtext of the options.
QString WriteGradientTextHtml(const StyledText& text, const ProgramOptions& options,
                              const TextProgress& progress = {});
