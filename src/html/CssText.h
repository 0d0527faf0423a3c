#pragma once

#include "core/Color.h"
#include "core/CssColorNames.h"
#include "html/HtmlCase.h"

#include <QString>

class NamedColorTable;

// Pieces shared by the writers that put their colours and fonts into CSS.

// "#RRGGBB", upper-case hex, appended without a formatted print.
void AppendCssHexColor(QString& out, TColor color);

// A colour the way the classic writers' names option gives it (the
// classic writers already write only names browsers read as this colour).
QString CssColorText(TColor color, bool preferName, const NamedColorTable& table, HtmlCase mode);

// A font-table entry as a font-family value: each comma-separated name in
// single quotes ('ＭＳ Ｐゴシック','Osaka'), the generic families bare,
// empty names left out. Quotes, backslashes, line breaks and the characters
// that would end a double-quoted attribute are escaped.
QString CssFontFamily(const QString& entry);

// The CSS font-size keyword of an HTML size digit 1..7.
QString CssFontSize(double points);
