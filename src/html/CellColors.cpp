#include "html/CellColors.h"

#include <algorithm>

CellRect CellChanges::bounds() const {
    if (cells.empty())
        return {0, 0, -1, -1};
    CellRect rect{cells.front().column, cells.front().row, cells.front().column, cells.front().row};
    for (const CellPos& cell : cells) {
        rect.left = std::min(rect.left, cell.column);
        rect.right = std::max(rect.right, cell.column);
        rect.top = std::min(rect.top, cell.row);
        rect.bottom = std::max(rect.bottom, cell.row);
    }
    return rect;
}

CellRect CellColors::clipped(const CellRect& rect) {
    return {std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, kSize - 1),
            std::min(rect.bottom, kSize - 1)};
}

std::optional<TColor> CellColors::color(CellTarget target, CellPos cell) const {
    if (!isValid(cell))
        return std::nullopt;
    const TColor value = plane(target)[indexOf(cell)];
    if (value == kNone)
        return std::nullopt;
    return value;
}

bool CellColors::setColor(CellTarget target, CellPos cell, std::optional<TColor> color) {
    if (!isValid(cell))
        return false;
    const TColor value = color ? (*color & 0xFFFFFFu) : kNone;
    TColor& slot = plane(target)[indexOf(cell)];
    if (slot == value)
        return false;
    slot = value;
    return true;
}

CellChanges CellColors::clear() {
    CellChanges changes;
    for (int column = 0; column < kSize; ++column) {
        for (int row = 0; row < kSize; ++row) {
            if (m_background[indexOf({column, row})] != kNone)
                changes.cells.push_back({column, row});
        }
    }
    m_background.fill(kNone);
    m_text.fill(kNone);
    return changes;
}

CellChanges CellColors::fillBackground(const CellRect& rect, TColor color) {
    CellChanges changes;
    const CellRect cut = clipped(rect);
    if (cut.isEmpty())
        return changes;
    for (int row = cut.top; row <= cut.bottom; ++row) {
        for (int column = cut.left; column <= cut.right; ++column) {
            if (setColor(CellTarget::Background, {column, row}, color))
                changes.cells.push_back({column, row});
        }
    }
    return changes;
}
