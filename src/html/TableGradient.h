#pragma once

#include "html/CellColors.h"
#include "settings/MarkupOptions.h"

#include <vector>

struct GradientTable;

// The four direction buttons, by their number, or none pressed.
enum class TableDirection {
    None = -1,
    RowsLeftToRight = 0,    // rows top to bottom, each row left to right
    RowsRightToLeft = 1,    // rows top to bottom, each row right to left
    ColumnsLeftToRight = 2, // columns left to right, each column top to bottom
    ColumnsRightToLeft = 3, // columns right to left, each column top to bottom
};

// The direction of button 0..3; anything else is none.
TableDirection TableDirectionFromIndex(int index);

// The cells of `rect` in the order the gradient visits them; empty for
// none or an empty rectangle. The last cell is the one the closing step
// gives the last stop's colour.
std::vector<CellPos> TableVisitOrder(const CellRect& rect, TableDirection direction);

// "Gradient effect": walks `gradient` over the cells of `rect` (cut to the
// store) in the direction's order, one item per cell from item 0, into the
// target colour; the last cell visited then gets the last stop's exact
// colour. Nothing changes with no direction or a table of fewer than two
// stops.
CellChanges ApplyTableGradient(CellColors& cells, const GradientTable& gradient,
                               const CellRect& rect, TableDirection direction, CellTarget target,
                               GradientInterpolation interpolation = GradientInterpolation::Srgb);
