#pragma once

#include <array>

// The colour chart's cells: 8 columns of 36 rows, index column * 36 + row.
// Each entry is "rrggbb" in lower-case hex, or "*" for an empty cell.
constexpr int kChartColumns = 8;
constexpr int kChartRows = 36;
constexpr int kChartCellCount = kChartColumns * kChartRows;

extern const std::array<const char*, kChartCellCount> ChartColors;
