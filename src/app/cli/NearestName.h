#pragma once

#include <QString>
#include <QStringList>

// Edit distance with adjacent transpositions counted as one edit.
int EditDistance(const QString& a, const QString& b);

// The candidate closest to a mistyped word, or an empty string when none is
// close enough to be what was meant.
QString NearestName(const QString& word, const QStringList& candidates);

// "WHAT WORD" plus " (did you mean NAME?)" when one is near.
QString UnknownNameMessage(const QString& what, const QString& word, const QStringList& candidates);
