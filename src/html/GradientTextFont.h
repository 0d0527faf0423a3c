#pragma once

#include <QString>
#include <QStringList>

// The font and size rules of the gradient-text page.

// The index of the font-table entry for a font name: the first entry that
// begins with it, else the first that contains it, else 0. Names are
// compared as code page 932 text, exactly.
int FindFontEntry(const QStringList& fonttable, const QString& fontName);

// The font an entry sets: the text before its first comma, or the whole
// entry. Empty for an empty entry (or one that begins with a comma): such
// an entry sets nothing.
QString FontNameOfEntry(const QString& entry);

// Character sets a font is asked for.
constexpr int kDefaultCharSet = 1;
constexpr int kShiftJisCharSet = 128;
// The default set for a name of single-byte characters only, else Shift-JIS.
int FontCharSet(const QString& fontName);

// The HTML SIZE digit for a point size: up to 8 "1", 10 "2", 12 "3",
// 14 "4", 18 "5", 24 "6", above "7".
QString FontSizeToHtml(double points);

// The items of the size list: "Normal" (11 points) and the seven HTML sizes.
constexpr int kFontSizeItemCount = 8;
QStringList FontSizeItems();
// The points an item sets; 11 for item 0 or no item.
double PointsOfFontSizeItem(int item);
// The item that shows a size: 1..7 for exactly 8, 10, 12, 14, 18, 24, 36
// points, otherwise 0 ("Normal").
int FontSizeItemOfPoints(double points);
