#pragma once

#include "core/Color.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <optional>

// Cell layout of the colour chart: a 5-pixel margin left and above, then
// columns W wide and rows H high. Each cell shows a 15 x 15 swatch with a
// black frame and, 17 pixels right of the cell's left edge, its label.
constexpr int kChartMargin = 5;
constexpr int kChartSwatch = 15;
constexpr int kChartLabelOffset = 17;

struct ChartGeometry {
    int cellWidth = 60;
    int rowHeight = 17;
    bool operator==(const ChartGeometry&) const = default;
};

// W is the width of "AAAAAAAAAA" and H the height of "A" plus 5, but never
// so small that a label runs into the next cell or a swatch into the next
// row, whatever font the machine has.
ChartGeometry ChartGeometryFor(int tenCapitalAWidth, int widestLabelWidth, int textHeight);
ChartGeometry ChartGeometryFor(const QFontMetrics& metrics);

// The chart picture (and the window's client area) that holds the grid.
QSize ChartImageSize(const ChartGeometry& geometry);

// True for "*" cells; indexes outside 0..287 count as empty.
bool ChartCellIsEmpty(int index);
// The cell's text upper-cased ("EEEEEE"); empty for an empty cell.
QString ChartLabel(int index);
// The cell's colour read as "$" + text by HtmlToColor; black for an empty cell.
TColor ChartCellColor(int index);

struct ChartCell {
    int index = 0;
    QPoint origin; // top-left pixel of the cell
    bool operator==(const ChartCell&) const = default;
};

// The cell under (x, y) of the chart picture, empty or not. The division
// truncates toward zero, so a few pixels left of or above the grid still
// count as column or row 0; beyond that, nothing.
std::optional<ChartCell> CellAtPoint(QPoint point, const ChartGeometry& geometry);

// The colour a button press at `point` picks: none on the margin or an empty cell.
std::optional<TColor> ChartColorAtPoint(QPoint point, const ChartGeometry& geometry);

// What a pointer move does to the highlighted label: which label to draw
// plain again and which to draw highlighted (at most one of each), and the
// highlighted cell afterwards. Nothing changes while the pointer stays in
// the highlighted cell; empty cells and the margin highlight nothing.
struct ChartHighlightChange {
    std::optional<ChartCell> unhighlight;
    std::optional<ChartCell> highlight;
    std::optional<ChartCell> highlighted;
};
ChartHighlightChange ChartPointerMoved(const std::optional<ChartCell>& highlighted,
                                       const std::optional<ChartCell>& underPointer);

// Label colours: plain is black on white; highlighted is white on pure blue.
constexpr TColor kChartLabelFill = 0xFFFFFF;
constexpr TColor kChartLabelText = 0x000000;
constexpr TColor kChartHighlightFill = 0xFF0000;
constexpr TColor kChartHighlightText = 0xFFFFFF;

// The whole chart on white, no label highlighted. Needs a QGuiApplication
// for the font.
QImage DrawChart(const QFont& font, const ChartGeometry& geometry);
// Redraws one cell's label, plain or highlighted.
void DrawChartLabel(QImage& chart, const QFont& font, const ChartCell& cell, bool highlighted);
