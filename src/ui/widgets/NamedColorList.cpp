#include "ui/widgets/NamedColorList.h"

#include "core/NamedColorTable.h"
#include "core/QtColor.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

class RowDelegate : public QStyledItemDelegate {
public:
    RowDelegate(NamedColorList* list) : QStyledItemDelegate(list), m_list(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return QSize(option.rect.width(), NamedColorList::RowHeight);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const NamedColorTable* table = m_list->table();
        if (!table || index.row() < 0 || index.row() >= table->count())
            return;
        const NamedColor& entry = table->at(index.row());
        const QRect row = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        const QColor background =
            option.palette.color(selected ? QPalette::Highlight : QPalette::Base);
        const QColor foreground =
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);

        painter->save();
        painter->fillRect(row, background);
        // The swatch: x 3 to 37, from 3 pixels below the row's top to 3 above its end.
        const QRect swatch(3, row.top() + 3, 35, row.height() - 6);
        painter->fillRect(swatch, ToQColor(entry.value));
        painter->setPen(Qt::black);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(swatch.adjusted(0, 0, -1, -1));
        painter->setPen(foreground);
        painter->setFont(option.font);
        painter->drawText(QRect(row.left() + 40, row.top(), row.width() - 40, row.height()),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                          entry.hex + QLatin1Char(' ') + entry.name);
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.initFrom(m_list);
            focus.rect = row;
            focus.backgroundColor = background;
            m_list->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, m_list);
        }
        painter->restore();
    }

private:
    NamedColorList* m_list;
};

} // namespace

NamedColorList::NamedColorList(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("lstcolortable"));
    setToolTip(tr("カラー定数"));
    setAccessibleName(tr("カラー定数"));
    setUniformItemSizes(true);
    // Rows are drawn to the list's width; nothing to scroll sideways.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new RowDelegate(this));
}

void NamedColorList::setTable(const NamedColorTable* table) {
    const QSignalBlocker blocker(this);
    m_table = table;
    clear();
    if (!table)
        return;
    // The stored count decides the rows: a shortened table shows no empty slots.
    for (int i = 0; i < table->count(); ++i) {
        auto* item = new QListWidgetItem(table->at(i).name, this);
        item->setSizeHint(QSize(0, RowHeight));
    }
}

void NamedColorList::showColor(TColor color) {
    if (!m_table)
        return;
    const QSignalBlocker blocker(this);
    const int current = currentRow();
    int row = current >= 0 && current < m_table->count() && m_table->at(current).value == color
                  ? current
                  : -1;
    for (int i = 0; row < 0 && i < std::min(m_table->count(), count()); ++i) {
        if (m_table->at(i).value == color)
            row = i;
    }
    if (row < 0) {
        setCurrentRow(-1);
        clearSelection();
        return;
    }
    // A row already shown selected stays where the user scrolled it.
    if (row == current && item(row)->isSelected())
        return;
    setCurrentRow(row);
    scrollToItem(item(row));
}

void NamedColorList::keyPressEvent(QKeyEvent* event) {
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentRow() >= 0)
        emit rowChosen(currentRow());
}

void NamedColorList::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    // The row of the current colour stays in sight as the list takes its height.
    if (QListWidgetItem* row = currentItem(); row && row->isSelected())
        scrollToItem(row);
}

void NamedColorList::mousePressEvent(QMouseEvent* event) {
    m_rowAtPress = currentRow();
    m_pressOnRow = indexAt(event->position().toPoint()).isValid();
    QListWidget::mousePressEvent(event);
}

void NamedColorList::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    // A click on a row chooses it even when it was selected already; a drag
    // chooses the row it ends on, which is the one the list shows selected.
    if (event->button() == Qt::LeftButton && currentRow() >= 0 &&
        (m_pressOnRow || currentRow() != m_rowAtPress))
        emit rowChosen(currentRow());
    m_pressOnRow = false;
}
