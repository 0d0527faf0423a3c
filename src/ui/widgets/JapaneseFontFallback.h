#pragma once

#include <QStringList>

// Font names of the font table that this machine lacks (such as "ＭＳ Ｐゴシック")
// are drawn with the Japanese fonts the font database offers, so the text
// reads well while the documents and the markup keep the table's names.
// Only names of double-byte characters are given substitutes; the font
// configuration already maps the Latin names ("Arial") on its own.
void SubstituteMissingJapaneseFonts(const QStringList& fontNames);

// The installed Japanese families in the order a name is best drawn with:
// mincho faces first for a mincho name, proportional ones for a name with
// a full-width "Ｐ".
QStringList JapaneseFallbackFamilies(const QString& fontName, const QStringList& installed);

// The first of the families that the machine has, alone; all of them when it
// has none. A font naming one family it has is drawn without a search for
// fallbacks, and no second face is loaded beside the one in use.
QStringList FirstInstalledFamily(const QStringList& families);
