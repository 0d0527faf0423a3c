#include "sampling/ChartColors.h"
#include "sampling/ChartGrid.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <map>
#include <string>

namespace {

std::string Cell(int column, int row) {
    return ChartColors[std::size_t(column * 36 + row)];
}

std::string Hex2(int v) {
    char text[3];
    std::snprintf(text, sizeof text, "%02x", v);
    return text;
}

const ChartGeometry kStandard{60, 17};

QPoint Inside(int column, int row, int dx = 2, int dy = 2) {
    return QPoint(5 + column * 60 + dx, 5 + row * 17 + dy);
}

} // namespace

TEST(ChartColors, ColumnsFollowTheirRules) {
    const char* levels[6] = {"ff", "cc", "99", "66", "33", "00"};
    int empty = 0;
    std::map<std::string, int> cubeCount;
    for (int column = 0; column < 8; ++column) {
        for (int row = 0; row < 36; ++row) {
            const std::string cell = Cell(column, row);
            if (column == 0 || column == 7) {
                if (row < 3 || row > 32) {
                    EXPECT_EQ(cell, "*") << column << "," << row;
                    ++empty;
                } else if (row <= 17) {
                    const std::string v = Hex2(0xEE - 0x11 * (row - 3));
                    EXPECT_EQ(cell, column == 0 ? v + v + v
                                                : "00" + Hex2(0xFF - 0x11 * (row - 3)) + "00");
                } else {
                    const std::string v = Hex2(0xFF - 0x11 * (row - 18));
                    EXPECT_EQ(cell, column == 0 ? v + "0000" : "0000" + v);
                }
                continue;
            }
            const int r = row == 28 ? 29 : row; // row 28 repeats row 29
            EXPECT_EQ(cell, std::string(levels[r / 6]) + levels[column - 1] + levels[r % 6])
                << column << "," << row;
            ++cubeCount[cell];
        }
    }
    EXPECT_EQ(empty, 12);
    EXPECT_EQ(cubeCount.size(), 210u);
    int twice = 0;
    for (const auto& [text, count] : cubeCount)
        twice += count == 2;
    EXPECT_EQ(twice, 6);
    EXPECT_EQ(Cell(1, 28), "33ff00");
    EXPECT_EQ(Cell(2, 7), "cccccc");
    EXPECT_EQ(cubeCount.count("333333"), 0u);
    for (const char* text : ChartColors) {
        const std::string s = text;
        EXPECT_TRUE(s == "*" ||
                    (s.size() == 6 && s.find_first_not_of("0123456789abcdef") == std::string::npos))
            << s;
    }
}

TEST(ChartHitTest, CellsLabelsEmptyCellsAndMargins) {
    // ffffff is column 1 row 0; ff0000 column 0 row 18, red in the low byte.
    EXPECT_EQ(ChartColorAtPoint(Inside(1, 0), kStandard), 0xFFFFFFu);
    EXPECT_EQ(ChartColorAtPoint(Inside(0, 18), kStandard), 0x0000FFu);
    EXPECT_EQ(ChartLabel(18), "FF0000");
    // On the label, between swatch and label, and on the cell's last pixel.
    EXPECT_EQ(ChartColorAtPoint(Inside(4, 9, 30, 8), kStandard), 0x6666CCu);
    EXPECT_EQ(ChartColorAtPoint(Inside(4, 9, 16, 16), kStandard), 0x6666CCu);
    EXPECT_EQ(ChartColorAtPoint(Inside(4, 9, 59, 16), kStandard), 0x6666CCu);
    EXPECT_EQ(CellAtPoint(Inside(4, 9, 59, 16), kStandard), (ChartCell{4 * 36 + 9, {245, 158}}));
    // Empty cells.
    EXPECT_FALSE(ChartColorAtPoint(Inside(0, 0), kStandard));
    EXPECT_FALSE(ChartColorAtPoint(Inside(7, 35), kStandard));
    // The top-left margin, and a few pixels beyond it, truncate to cell 0 ...
    EXPECT_EQ(CellAtPoint({0, 0}, kStandard)->index, 0);
    EXPECT_EQ(CellAtPoint({-40, 5}, kStandard)->index, 0);
    EXPECT_EQ(ChartColorAtPoint({-3, 6 + 17}, kStandard),
              std::nullopt); // row 1 of column 0 is empty
    EXPECT_EQ(ChartColorAtPoint({-3, 5 + 3 * 17}, kStandard), 0xEEEEEEu);
    // ... but a whole cell further, and past the last column or row, is nothing.
    EXPECT_FALSE(CellAtPoint({-56, 10}, kStandard));
    EXPECT_FALSE(CellAtPoint({10, -13}, kStandard));
    EXPECT_FALSE(CellAtPoint({485, 10}, kStandard));
    EXPECT_FALSE(CellAtPoint({10, 617}, kStandard));
    EXPECT_TRUE(CellAtPoint({484, 616}, kStandard));
    EXPECT_FALSE(CellAtPoint({10, 10}, ChartGeometry{0, 0}));
}

TEST(ChartHighlight, MovesRedrawAtMostTwoLabels) {
    const auto white = CellAtPoint(Inside(1, 0), kStandard);
    const auto grey = CellAtPoint(Inside(0, 3), kStandard);
    const auto empty = CellAtPoint(Inside(0, 0), kStandard);

    auto change = ChartPointerMoved(std::nullopt, white);
    EXPECT_EQ(change.highlight, white);
    EXPECT_FALSE(change.unhighlight);
    EXPECT_EQ(change.highlighted, white);
    // Staying within the cell redraws nothing.
    change = ChartPointerMoved(white, CellAtPoint(Inside(1, 0, 40, 10), kStandard));
    EXPECT_FALSE(change.highlight);
    EXPECT_FALSE(change.unhighlight);
    EXPECT_EQ(change.highlighted, white);
    // Another cell: the old label plain, the new one highlighted.
    change = ChartPointerMoved(white, grey);
    EXPECT_EQ(change.unhighlight, white);
    EXPECT_EQ(change.highlight, grey);
    // Onto an empty cell and straight back.
    change = ChartPointerMoved(grey, empty);
    EXPECT_EQ(change.unhighlight, grey);
    EXPECT_FALSE(change.highlight);
    EXPECT_FALSE(change.highlighted);
    change = ChartPointerMoved(change.highlighted, grey);
    EXPECT_EQ(change.highlight, grey);
    EXPECT_FALSE(change.unhighlight);
    // Off the grid highlights nothing; nothing to redraw when nothing was lit.
    change = ChartPointerMoved(grey, std::nullopt);
    EXPECT_EQ(change.unhighlight, grey);
    EXPECT_FALSE(change.highlighted);
    change = ChartPointerMoved(std::nullopt, empty);
    EXPECT_FALSE(change.unhighlight);
    EXPECT_FALSE(change.highlight);
}

TEST(ChartGeometry, FollowsTheFontAndKeepsLabelsApart) {
    EXPECT_EQ(ChartGeometryFor(60, 36, 12), kStandard);
    EXPECT_EQ(ChartImageSize(kStandard), QSize(485, 617));
    // A narrow "A" or a small font must not let labels or swatches collide.
    EXPECT_EQ(ChartGeometryFor(40, 42, 12).cellWidth, 17 + 42 + 1);
    EXPECT_EQ(ChartGeometryFor(30, 20, 6).rowHeight, 16);

    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    QFont font;
    font.setPixelSize(11);
    const ChartGeometry geometry = ChartGeometryFor(QFontMetrics(font));
    const QImage chart = DrawChart(font, geometry);
    EXPECT_EQ(chart.size(), ChartImageSize(geometry));
    const QFontMetrics metrics(font);
    for (int index = 0; index < kChartCellCount; ++index)
        EXPECT_LE(17 + metrics.horizontalAdvance(ChartLabel(index)), geometry.cellWidth);
    // Swatch of ff0000 (column 0, row 18): frame black, inside red; empty cells stay white.
    const QPoint origin(5, 5 + 18 * geometry.rowHeight);
    EXPECT_EQ(chart.pixel(origin), qRgb(0, 0, 0));
    EXPECT_EQ(chart.pixel(origin + QPoint(14, 14)), qRgb(0, 0, 0));
    EXPECT_EQ(chart.pixel(origin + QPoint(7, 7)), qRgb(255, 0, 0));
    EXPECT_EQ(chart.pixel(origin + QPoint(15, 7)), qRgb(255, 255, 255));
    EXPECT_EQ(chart.pixel(7, 7), qRgb(255, 255, 255));

    QImage lit = chart;
    DrawChartLabel(lit, font, ChartCell{18, origin}, true);
    EXPECT_EQ(lit.pixel(origin + QPoint(17, 0)), qRgb(0, 0, 255)); // highlight fill is pure blue
    DrawChartLabel(lit, font, ChartCell{18, origin}, false);
    EXPECT_EQ(lit, chart);
}
