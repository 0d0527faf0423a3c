#pragma once

#include "gradient/GradientImport.h"
#include "settings/MarkupOptions.h"

#include <QString>

// True when the text holds a linear-gradient( to read.
bool ContainsCssLinearGradient(const QString& text);

// Reads every linear-gradient(...) of a text (also with a -webkit- or -moz-
// prefix; repeating ones are passed over), each into one gradient named
// `name`. Colour stops take any CSS colour; positions are percentages or
// missing (spread as browsers spread them). Stops that a table cannot hold
// as they are (more than ten, two at one place, outside 0..100%) are
// sampled and fitted into ten. The direction and the interpolation space
// are read and left aside.
GradientImport ReadCssLinearGradients(const QString& text, const QString& name);

// linear-gradient(to right<clause>, #rrggbb P%, ...) of the table's stops;
// empty for a table without stops.
QString WriteCssLinearGradient(const GradientTable& table, GradientInterpolation interpolation);
