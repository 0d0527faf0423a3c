#include "ui/pages/table/CellGridDelegate.h"

#include "core/QtColor.h"
#include "html/CellColors.h"

#include <QPainter>

CellGridDelegate::CellGridDelegate(const CellColors& cells, QObject* parent)
    : QStyledItemDelegate(parent), m_cells(cells) {}

void CellGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const CellPos cell{index.column(), index.row()};
    const QRect box = option.rect;
    painter->save();
    painter->fillRect(box, ToQColor(m_cells.background(cell).value_or(m_background)));

    const std::optional<TColor> text = m_cells.text(cell);
    painter->setPen(text ? ToQColor(*text) : option.palette.color(QPalette::Text));
    painter->setFont(option.font);
    const QString shown =
        option.fontMetrics.elidedText(m_cellText, Qt::ElideRight, std::max(0, box.width() - 4));
    painter->drawText(box, Qt::AlignCenter, shown);

    if (option.state & QStyle::State_Selected) {
        QColor highlight = option.palette.color(QPalette::Highlight);
        highlight.setAlpha(80);
        painter->fillRect(box, highlight);
        highlight.setAlpha(255);
        painter->setPen(QPen(highlight, 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(box.adjusted(1, 1, -1, -1));
    }
    painter->restore();
}
