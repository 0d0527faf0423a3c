#pragma once

#include "html/BodyModel.h"
#include "html/HtmlCase.h"

#include <QString>

class NamedColorTable;
struct ProgramOptions;

// The body page's colours in CSS: a STYLE block with the page's text and
// background colours and background picture as rules for body, the three
// link colours for a:link, a:visited and a:active, then a bare BODY tag.
// Each line ends with CR LF. Colours are written as the BODY tag writes
// them (names when the page prefers them, the whole text in the letter
// case), except that a name a browser would read as another colour is
// written as its "#RRGGBB" instead. Tag names follow the letter case, the
// CSS is lower case.
QString WriteBodyCss(const BodyModel& page, const NamedColorTable& table, HtmlCase mode);
QString WriteBodyCss(const BodyModel& page, const ProgramOptions& options);
