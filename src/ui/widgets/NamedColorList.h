#pragma once

#include "core/Color.h"

#include <QListWidget>

class NamedColorTable;

// The list of named colours (lstcolortable): one 16-pixel row per entry,
// each drawn as a framed swatch of the colour and "#RRGGBB name".
class NamedColorList : public QListWidget {
    Q_OBJECT
public:
    static constexpr int RowHeight = 16;

    explicit NamedColorList(QWidget* parent = nullptr);

    // Shows the rows in use of `table` (which must outlive the list); no row
    // is selected until showColor. Raises no rowChosen.
    void setTable(const NamedColorTable* table);
    const NamedColorTable* table() const { return m_table; }
    // Selects the row named for `color`, keeping the current row when it is
    // one of several with that colour; selects none when no row has it.
    // Raises no rowChosen.
    void showColor(TColor color);

signals:
    // The user picked a row: by a click (even on the selected row) or by
    // moving the selection with the keyboard.
    void rowChosen(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const NamedColorTable* m_table = nullptr;
    // The row current when the mouse went down, and whether it went down on a row.
    int m_rowAtPress = -1;
    bool m_pressOnRow = false;
};
