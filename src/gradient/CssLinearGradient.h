#pragma once

#include "gradient/GradientImport.h"
#include "settings/MarkupOptions.h"

#include <QString>
#include <span>
#include <vector>

// A colour stop of a left-to-right CSS gradient, at a percentage of the box.
struct CssGradientStop {
    double percent = 0;
    TColor color = 0;
    bool operator==(const CssGradientStop&) const = default;
};

// "linear-gradient(to right in oklab, #FF0000 0%, #0000FF 100%)": the stops
// in their order, colours "#RRGGBB", percentages with at most three decimals
// (a thousandth of a percent is far below one of the 300 axis units), the
// interpolation words after the direction.
QString CssLinearGradient(std::span<const CssGradientStop> stops,
                          GradientInterpolation interpolation);

// The table's stops in drawing order, each at its place on the drawn bar:
// position p of the 0..300 axis at p / 3 percent.
std::vector<CssGradientStop> CssStopsOfTable(const GradientTable& table);

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

// The table as a CssLinearGradient, its stops held to the axis; empty for a
// table without stops.
QString WriteCssLinearGradient(const GradientTable& table, GradientInterpolation interpolation);
