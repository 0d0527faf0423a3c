#pragma once

#include "core/Color.h"

#include <QStyledItemDelegate>

class CellColors;

// Paints the table preview's cells from the cell colour store: each cell's
// background (or the grid's own colour) and the cell text in its text
// colour. A selected cell keeps its colours under a light highlight, so a
// colour just given to the selection can be seen.
class CellGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // `cells` must outlive the delegate.
    CellGridDelegate(const CellColors& cells, QObject* parent = nullptr);

    void setCellText(const QString& text) { m_cellText = text; }
    // The colour of cells without a background of their own.
    void setBackground(TColor color) { m_background = color; }
    TColor background() const { return m_background; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const CellColors& m_cells;
    QString m_cellText;
    TColor m_background = 0xFFFFFF;
};
