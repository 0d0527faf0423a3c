#pragma once

#include "core/Color.h"
#include "settings/MarkupOptions.h"

#include <QString>
#include <span>
#include <vector>

struct GradientTable;

// A colour stop of a left-to-right CSS gradient, at a percentage of the box.
struct CssGradientStop {
    double percent = 0;
    TColor color = 0;
    bool operator==(const CssGradientStop&) const = default;
};

// "linear-gradient(to right in oklab, #FF0000 0%, #0000FF 100%)": the stops
// in their order, colours "#RRGGBB", percentages with at most three decimals,
// the interpolation words after the direction.
QString CssLinearGradient(std::span<const CssGradientStop> stops,
                          GradientInterpolation interpolation);

// The table's stops in drawing order, each at its place on the drawn bar:
// position p of the 0..300 axis at p / 3 percent.
std::vector<CssGradientStop> CssStopsOfTable(const GradientTable& table);
