#pragma once

#include "core/Color.h"
#include "gradient/GradientTable.h"
#include "settings/MarkupOptions.h"

#include <functional>
#include <span>
#include <vector>

// Paints the gradient of `stops` (any order) into a picture `width` columns
// wide, one column per axis unit, by calling fillColumn(x, colour) for each
// painted column 0 <= x < width. Columns left of the first stop and right
// of the last are not painted; an inner stop's column is painted last by
// the segment that starts there. Fewer than two stops paint nothing.
// `interpolation` is the space the colours between two stops follow.
void DrawGradient(std::span<const GradientStop> stops, int width,
                  const std::function<void(int x, TColor color)>& fillColumn,
                  GradientInterpolation interpolation = GradientInterpolation::Srgb);

// The same into a row of column colours; columns not painted keep theirs.
void DrawGradient(std::span<const GradientStop> stops, std::vector<TColor>& columns,
                  GradientInterpolation interpolation = GradientInterpolation::Srgb);
