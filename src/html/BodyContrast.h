#pragma once

#include "html/BodyModel.h"

#include <QString>

// How readable the body page's text colours are on its background, for the
// page's status line and label tooltips, and any two colours on the colour
// page.

// The best level a ratio meets: "AAA", "AA", "AA(大きな文字)" or "基準未満".
QString ContrastMark(double ratio);

// Two colours, whichever first: "4.48:1 AA(大きな文字)".
QString ContrastText(TColor first, TColor second);

// One text role against the background: "21.00:1 AAA". The background's own
// role gives an empty text.
QString BodyContrastText(const BodyModel& page, BodyRole role);

// The four text roles in one line: "TEXT 21.00 AAA  LINK 8.59 AAA  ...".
QString BodyContrastSummary(const BodyModel& page);
