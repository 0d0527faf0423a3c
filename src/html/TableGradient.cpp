#include "html/TableGradient.h"

#include "gradient/GradientWalk.h"
#include "html/GradientItems.h"

TableDirection TableDirectionFromIndex(int index) {
    return index >= 0 && index <= 3 ? TableDirection(index) : TableDirection::None;
}

std::vector<CellPos> TableVisitOrder(const CellRect& rect, TableDirection direction) {
    std::vector<CellPos> order;
    if (rect.isEmpty() || direction == TableDirection::None)
        return order;
    order.reserve(size_t(rect.cellCount()));
    switch (direction) {
    case TableDirection::RowsLeftToRight:
        for (int row = rect.top; row <= rect.bottom; ++row)
            for (int column = rect.left; column <= rect.right; ++column)
                order.push_back({column, row});
        break;
    case TableDirection::RowsRightToLeft:
        for (int row = rect.top; row <= rect.bottom; ++row)
            for (int column = rect.right; column >= rect.left; --column)
                order.push_back({column, row});
        break;
    case TableDirection::ColumnsLeftToRight:
        for (int column = rect.left; column <= rect.right; ++column)
            for (int row = rect.top; row <= rect.bottom; ++row)
                order.push_back({column, row});
        break;
    case TableDirection::ColumnsRightToLeft:
        for (int column = rect.right; column >= rect.left; --column)
            for (int row = rect.top; row <= rect.bottom; ++row)
                order.push_back({column, row});
        break;
    case TableDirection::None:
        break;
    }
    return order;
}

CellChanges ApplyTableGradient(CellColors& cells, const GradientTable& gradient,
                               const CellRect& rect, TableDirection direction, CellTarget target,
                               GradientInterpolation interpolation) {
    CellChanges changes;
    changes.target = target;
    if (!CanWalkGradient(gradient))
        return changes;
    const std::vector<CellPos> order = TableVisitOrder(CellColors::clipped(rect), direction);
    if (order.empty())
        return changes;
    GradientWalk walk(gradient, int(order.size()), 0, interpolation);
    const size_t last = order.size() - 1;
    for (size_t i = 0; i < order.size(); ++i) {
        const TColor walked = walk.next();
        // The walk never reaches the last stop itself; the last cell does.
        const TColor color = i == last ? GradientLastStopColor(gradient) : walked;
        if (cells.setColor(target, order[i], color))
            changes.cells.push_back(order[i]);
    }
    return changes;
}
