#include "gradient/GradientTableList.h"
#include "html/CellColors.h"
#include "html/TableGradient.h"
#include "html/TableMarkup.h"
#include "settings/ProgramOptions.h"

#include "HtmlTestOptions.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>
#include <memory>

namespace {

const TColor kRed = RgbToColor(255, 0, 0);
const TColor kBlue = RgbToColor(0, 0, 255);

GradientTable RedToBlue() {
    GradientTable table;
    const GradientStop stops[] = {{0, kRed}, {300, kBlue}};
    table.setStops(stops);
    return table;
}

// Which item of a six-item red-to-blue run each cell of the rectangle got,
// row by row ("." for none): the walk gives 0..4, the closing step 5.
std::string ItemGrid(const CellColors& cells, const CellRect& rect, CellTarget target) {
    const TColor items[] = {0x0000FF, 0x2A00D4, 0x5500AA, 0x7F007F, 0xAA0055, kBlue};
    QStringList rows;
    for (int row = rect.top; row <= rect.bottom; ++row) {
        QString line;
        for (int column = rect.left; column <= rect.right; ++column) {
            const std::optional<TColor> c = cells.color(target, {column, row});
            const auto* it = c ? std::find(std::begin(items), std::end(items), *c) : nullptr;
            line += !c                      ? QLatin1Char('.')
                    : it == std::end(items) ? QLatin1Char('?')
                                            : QLatin1Char(char('0' + (it - items)));
        }
        rows << line;
    }
    return rows.join(QLatin1Char('/')).toStdString();
}

} // namespace

TEST(TableGradient, EachDirectionVisitsTheRectangleInItsOrder) {
    // Three columns by two rows, away from the corner of the store.
    const CellRect rect{2, 1, 4, 2};
    const std::pair<TableDirection, std::string> expected[] = {
        {TableDirection::RowsLeftToRight, "012/345"},
        {TableDirection::RowsRightToLeft, "210/543"},
        {TableDirection::ColumnsLeftToRight, "024/135"},
        {TableDirection::ColumnsRightToLeft, "420/531"},
    };
    for (const auto& [direction, grid] : expected) {
        auto cells = std::make_unique<CellColors>();
        const CellChanges changes =
            ApplyTableGradient(*cells, RedToBlue(), rect, direction, CellTarget::Background);
        EXPECT_EQ(ItemGrid(*cells, rect, CellTarget::Background), grid) << int(direction);
        EXPECT_EQ(changes.cells.size(), 6u);
        EXPECT_EQ(changes.bounds(), rect);
        EXPECT_TRUE(changes.needsRepaint());
    }
}

TEST(TableGradient, ClosingStepAndCasesThatChangeNothing) {
    auto cells = std::make_unique<CellColors>();
    // One cell: the walk's first stop, then the closing step's last stop.
    ApplyTableGradient(*cells, RedToBlue(), {3, 3, 3, 3}, TableDirection::RowsLeftToRight,
                       CellTarget::Background);
    EXPECT_EQ(cells->background({3, 3}), kBlue);

    EXPECT_TRUE(ApplyTableGradient(*cells, RedToBlue(), {0, 0, 4, 4}, TableDirection::None,
                                   CellTarget::Background)
                    .isEmpty());
    GradientTable oneStop;
    const GradientStop stop[] = {{0, kRed}};
    oneStop.setStops(stop);
    EXPECT_TRUE(ApplyTableGradient(*cells, oneStop, {0, 0, 4, 4}, TableDirection::RowsLeftToRight,
                                   CellTarget::Background)
                    .isEmpty());
    EXPECT_EQ(cells->background({0, 0}), std::nullopt);

    // A rectangle reaching past the store is cut to it.
    const CellChanges changes =
        ApplyTableGradient(*cells, RedToBlue(), {49, 49, 60, 60}, TableDirection::RowsLeftToRight,
                           CellTarget::Background);
    EXPECT_EQ(changes.bounds(), (CellRect{49, 49, 50, 50}));
    EXPECT_EQ(cells->background({50, 50}), kBlue);
}

TEST(TableGradient, TextTargetLeavesBackgroundsAndFillAlwaysSetsThem) {
    auto cells = std::make_unique<CellColors>();
    const CellRect rect{0, 0, 2, 1};
    CellChanges changes = ApplyTableGradient(*cells, RedToBlue(), rect,
                                             TableDirection::RowsLeftToRight, CellTarget::Text);
    EXPECT_EQ(ItemGrid(*cells, rect, CellTarget::Text), "012/345");
    EXPECT_EQ(ItemGrid(*cells, rect, CellTarget::Background), ".../...");
    EXPECT_FALSE(changes.needsRepaint());

    changes = cells->fillBackground({1, 0, 2, 0}, kRed);
    EXPECT_EQ(changes.cells, (std::vector<CellPos>{{1, 0}, {2, 0}}));
    // Filling again changes nothing, so nothing is repainted.
    EXPECT_TRUE(cells->fillBackground({1, 0, 2, 0}, kRed).isEmpty());
    EXPECT_EQ(cells->text({1, 0}), 0x2A00D4u);

    // Black is a colour, not the absence of one.
    cells->fillBackground({0, 1, 0, 1}, 0);
    EXPECT_EQ(cells->background({0, 1}), 0u);

    changes = cells->clear();
    EXPECT_EQ(changes.cells.size(), 3u);
    EXPECT_EQ(ItemGrid(*cells, rect, CellTarget::Text), ".../...");
    EXPECT_EQ(cells->background({-1, 0}), std::nullopt);
    EXPECT_FALSE(cells->setColor(CellTarget::Background, {51, 0}, kRed));
}

TEST(TableMarkup, CellsWithAndWithoutColours) {
    auto cells = std::make_unique<CellColors>();
    cells->fillBackground({0, 0, 0, 0}, kRed);
    cells->setColor(CellTarget::Text, {0, 0}, kBlue);
    TablePageModel page;
    page.columns = 2;
    page.rows = 1;
    EXPECT_EQ(WriteGradientTableHtml(page, *cells, HtmlOptions(1)).toStdString(),
              "<TABLE><TR><TD BGCOLOR=\"#FF0000\"><FONT COLOR=\"#0000FF\">★</FONT></TD>"
              "<TD>★</TD></TR></TABLE>");
    // Lower case with line breaks; never a colour name, even when names are preferred.
    ProgramOptions options = HtmlOptions(0, true);
    options.colorconst = true;
    page.cellText = QStringLiteral("x");
    EXPECT_EQ(WriteGradientTableHtml(page, *cells, options).toStdString(),
              "<table>\r\n<tr>\r\n<td bgcolor=\"#FF0000\"><font color=\"#0000FF\">x</font></td>"
              "<td>x</td></tr>\r\n</table>\r\n");
    EXPECT_EQ(WriteGradientTableHtml(page, *cells, HtmlOptions(2)).toStdString(),
              "<Table><Tr><Td Bgcolor=\"#FF0000\"><Font Color=\"#0000FF\">x</Font></Td>"
              "<Td>x</Td></Tr></Table>");

    // Every hex digit as the colour notation writes it.
    for (const TColor color : {RgbToColor(0x01, 0x23, 0x45), RgbToColor(0x67, 0x89, 0xAB),
                               RgbToColor(0xCD, 0xEF, 0xF0)}) {
        cells->setColor(CellTarget::Text, {1, 0}, color);
        EXPECT_TRUE(WriteGradientTableHtml(page, *cells, options)
                        .contains(QStringLiteral("<font color=\"%1\">").arg(ColorToHtml(color))));
    }
    cells->setColor(CellTarget::Text, {1, 0}, std::nullopt);

    // Shrinking hides a coloured cell, growing brings it back; sizes are cut to 1..50.
    page.columns = 0;
    page.rows = 1;
    EXPECT_EQ(WriteGradientTableHtml(page, *cells, HtmlOptions(1)).count(QStringLiteral("<TD")), 1);
    page.columns = 99;
    page.rows = 99;
    EXPECT_EQ(WriteGradientTableHtml(page, *cells, HtmlOptions(1)).count(QStringLiteral("<TD")),
              2500);
}

TEST(TableMarkup, TableColourTogglesAndBorderPieces) {
    auto cells = std::make_unique<CellColors>();
    TablePageModel page;
    page.rows = page.columns = 1;
    const auto head = [&](int htmlcase) {
        const QString html = WriteGradientTableHtml(page, *cells, HtmlOptions(htmlcase));
        return html.left(html.indexOf(QLatin1Char('>')) + 1).toStdString();
    };
    EXPECT_EQ(head(1), "<TABLE>");
    page.background = {true, 0xFFFFFF};
    EXPECT_EQ(head(1), "<TABLE BGCOLOR=\"#FFFFFF\">");
    page.border = {true, 0x000000};
    EXPECT_EQ(head(1), "<TABLE BGCOLOR=\"#FFFFFF\"  BORDER=\"1\"  CELLPADDING=\"3\"  "
                       "CELLSPACING=\"3\"  BORDERCOLOR=\"#000000\">");
    // The pieces start with a blank, so capitalising leaves them lower case.
    EXPECT_EQ(head(2), "<Table Bgcolor=\"#FFFFFF\"  border=\"1\"  cellpadding=\"3\"  "
                       "cellspacing=\"3\"  Bordercolor=\"#000000\">");
    page.background.on = false;
    page.border.on = false;
    page.borderDark = {true, kBlue};
    EXPECT_EQ(head(0), "<table  border=\"1\"  cellpadding=\"3\"  cellspacing=\"3\"  "
                       "bordercolordark=\"#0000FF\">");
    page.borderLight = {true, kRed};
    EXPECT_EQ(head(0), "<table  border=\"1\"  cellpadding=\"3\"  cellspacing=\"3\"  "
                       "bordercolorlight=\"#FF0000\" bordercolordark=\"#0000FF\">");
    page.borderDark.on = false;
    EXPECT_EQ(head(0), "<table  border=\"1\"  cellpadding=\"3\"  cellspacing=\"3\"  "
                       "bordercolorlight=\"#FF0000\">");
}
