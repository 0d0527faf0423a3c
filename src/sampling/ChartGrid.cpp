#include "sampling/ChartGrid.h"

#include "core/QtColor.h"
#include "sampling/ChartColors.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

ChartGeometry ChartGeometryFor(int tenCapitalAWidth, int widestLabelWidth, int textHeight) {
    ChartGeometry g;
    g.cellWidth = std::max(
        {tenCapitalAWidth, kChartLabelOffset + widestLabelWidth + 1, kChartLabelOffset + 1});
    g.rowHeight = std::max(textHeight + 5, kChartSwatch + 1);
    return g;
}

ChartGeometry ChartGeometryFor(const QFontMetrics& metrics) {
    int widest = 0;
    for (const char* text : ChartColors)
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromLatin1(text).toUpper()));
    return ChartGeometryFor(metrics.horizontalAdvance(QStringLiteral("AAAAAAAAAA")), widest,
                            metrics.height());
}

QSize ChartImageSize(const ChartGeometry& geometry) {
    return QSize(kChartMargin + kChartColumns * geometry.cellWidth,
                 kChartMargin + kChartRows * geometry.rowHeight);
}

bool ChartCellIsEmpty(int index) {
    return index < 0 || index >= kChartCellCount ||
           std::strcmp(ChartColors[std::size_t(index)], "*") == 0;
}

QString ChartLabel(int index) {
    if (ChartCellIsEmpty(index))
        return {};
    return QString::fromLatin1(ChartColors[std::size_t(index)]).toUpper();
}

TColor ChartCellColor(int index) {
    if (ChartCellIsEmpty(index))
        return 0;
    return HtmlToColor(QLatin1Char('$') + QString::fromLatin1(ChartColors[std::size_t(index)]));
}

std::optional<ChartCell> CellAtPoint(QPoint point, const ChartGeometry& geometry) {
    if (geometry.cellWidth <= 0 || geometry.rowHeight <= 0)
        return std::nullopt;
    const int column = (point.x() - kChartMargin) / geometry.cellWidth;
    const int row = (point.y() - kChartMargin) / geometry.rowHeight;
    if (column < 0 || column >= kChartColumns || row < 0 || row >= kChartRows)
        return std::nullopt;
    return ChartCell{column * kChartRows + row, QPoint(kChartMargin + column * geometry.cellWidth,
                                                       kChartMargin + row * geometry.rowHeight)};
}

std::optional<TColor> ChartColorAtPoint(QPoint point, const ChartGeometry& geometry) {
    const auto cell = CellAtPoint(point, geometry);
    if (!cell || ChartCellIsEmpty(cell->index))
        return std::nullopt;
    return ChartCellColor(cell->index);
}

ChartHighlightChange ChartPointerMoved(const std::optional<ChartCell>& highlighted,
                                       const std::optional<ChartCell>& underPointer) {
    ChartHighlightChange change;
    change.highlighted = highlighted;
    if (underPointer && highlighted && underPointer->index == highlighted->index)
        return change;
    if (!underPointer && !highlighted)
        return change;
    change.unhighlight = highlighted;
    change.highlighted.reset();
    if (underPointer && !ChartCellIsEmpty(underPointer->index)) {
        change.highlight = underPointer;
        change.highlighted = underPointer;
    }
    return change;
}

namespace {

void DrawLabel(QPainter& painter, const ChartCell& cell, bool highlighted) {
    const QString label = ChartLabel(cell.index);
    if (label.isEmpty())
        return;
    const QFontMetrics metrics = painter.fontMetrics();
    const QPoint at(cell.origin.x() + kChartLabelOffset, cell.origin.y());
    const QRect box(at, QSize(metrics.horizontalAdvance(label), metrics.height()));
    painter.fillRect(box, ToQColor(highlighted ? kChartHighlightFill : kChartLabelFill));
    painter.setPen(ToQColor(highlighted ? kChartHighlightText : kChartLabelText));
    painter.drawText(at.x(), at.y() + metrics.ascent(), label);
}

} // namespace

QImage DrawChart(const QFont& font, const ChartGeometry& geometry) {
    QImage chart(ChartImageSize(geometry), QImage::Format_RGB32);
    chart.fill(Qt::white);
    QPainter painter(&chart);
    painter.setFont(font);
    for (int index = 0; index < kChartCellCount; ++index) {
        if (ChartCellIsEmpty(index))
            continue;
        const ChartCell cell{index, QPoint(kChartMargin + index / kChartRows * geometry.cellWidth,
                                           kChartMargin + index % kChartRows * geometry.rowHeight)};
        // A 15 x 15 swatch inside a one-pixel black frame.
        const QRect swatch(cell.origin, QSize(kChartSwatch, kChartSwatch));
        painter.fillRect(swatch, ToQColor(ChartCellColor(index)));
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        DrawLabel(painter, cell, false);
    }
    return chart;
}

void DrawChartLabel(QImage& chart, const QFont& font, const ChartCell& cell, bool highlighted) {
    QPainter painter(&chart);
    painter.setFont(font);
    DrawLabel(painter, cell, highlighted);
}
