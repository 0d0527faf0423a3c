#pragma once

#include "core/Color.h"

#include <array>
#include <optional>
#include <vector>

// A cell of the generated table: column and row from 0.
struct CellPos {
    int column = 0;
    int row = 0;
    bool operator==(const CellPos&) const = default;
};

// Columns left..right and rows top..bottom, both inclusive.
struct CellRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool isEmpty() const { return right < left || bottom < top; }
    int cellCount() const { return isEmpty() ? 0 : (right - left + 1) * (bottom - top + 1); }
    bool contains(CellPos cell) const {
        return cell.column >= left && cell.column <= right && cell.row >= top && cell.row <= bottom;
    }
    bool operator==(const CellRect&) const = default;
};

// Which of a cell's two colours an operation sets.
enum class CellTarget { Background = 0, Text = 1 };

// What an operation changed, so that a preview repaints only those cells.
// The preview shows backgrounds only; text changes need no repaint.
struct CellChanges {
    CellTarget target = CellTarget::Background;
    std::vector<CellPos> cells; // cells whose colour in `target` became different

    bool isEmpty() const { return cells.empty(); }
    bool needsRepaint() const { return target == CellTarget::Background && !cells.empty(); }
    // The smallest rectangle holding every changed cell; empty when nothing changed.
    CellRect bounds() const;
};

// The colours of the table's cells: a background and a text colour per
// cell, each either a colour or none at all. The store is larger than any
// table, so cells outside the current size keep their colours while the
// table shrinks and grows.
class CellColors {
public:
    static constexpr int kSize = 51;     // columns and rows the store holds
    static constexpr int kMaxTable = 50; // columns and rows a table may have

    CellColors() {
        m_background.fill(kNone);
        m_text.fill(kNone);
    }

    static bool isValid(CellPos cell) {
        return cell.column >= 0 && cell.column < kSize && cell.row >= 0 && cell.row < kSize;
    }
    // The rectangle cut to the cells of the store (possibly empty).
    static CellRect clipped(const CellRect& rect);

    // nullopt for a cell without a colour of its own, or outside the store.
    std::optional<TColor> color(CellTarget target, CellPos cell) const;
    std::optional<TColor> background(CellPos cell) const {
        return color(CellTarget::Background, cell);
    }
    std::optional<TColor> text(CellPos cell) const { return color(CellTarget::Text, cell); }

    // Sets one colour (its red, green and blue bytes) or removes it with
    // nullopt. Cells outside the store are ignored. True when it changed.
    bool setColor(CellTarget target, CellPos cell, std::optional<TColor> color);

    // Every cell loses both colours; the changes are those of the backgrounds.
    CellChanges clear();
    // "Cell colour": the rectangle's backgrounds become `color`, whatever
    // the gradient target is.
    CellChanges fillBackground(const CellRect& rect, TColor color);

private:
    // A value no colour can take, since colours keep only their low 24 bits.
    static constexpr TColor kNone = 0xFFFFFFFFu;
    using Plane = std::array<TColor, size_t(kSize) * kSize>;

    static size_t indexOf(CellPos cell) { return size_t(cell.column) * kSize + size_t(cell.row); }
    Plane& plane(CellTarget target) { return target == CellTarget::Text ? m_text : m_background; }
    const Plane& plane(CellTarget target) const {
        return target == CellTarget::Text ? m_text : m_background;
    }

    Plane m_background{};
    Plane m_text{};
};
