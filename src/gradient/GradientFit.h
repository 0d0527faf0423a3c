#pragma once

#include "gradient/GradientTable.h"

#include <array>
#include <span>
#include <vector>

// A colour as 8-bit sRGB channels held as real numbers, 0..255.
struct GradientSample {
    double red = 0;
    double green = 0;
    double blue = 0;
};

// What a gradient looks like at each column 0..300 of the axis.
using GradientColumns = std::array<GradientSample, kGradientAxisEnd + 1>;

struct GradientFitResult {
    std::vector<GradientStop> stops; // ascending, the first at 0, the last at 300
    double maxError = 0;             // largest distance of a column from its sample, in 8-bit units
};

// The at most ten stops whose straight sRGB blends come closest to
// `columns`: starting from the two ends, a stop goes where the blend is
// furthest off, until ten stops or every column is within rounding.
GradientFitResult FitGradientStops(const GradientColumns& columns);

// The stops' own blend on the columns, for measuring a fit.
GradientColumns BlendGradientStops(std::span<const GradientStop> sortedStops);
