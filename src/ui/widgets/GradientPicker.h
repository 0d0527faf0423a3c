#pragma once

#include "settings/MarkupOptions.h"

#include <QWidget>

class GradientBar;
struct GradientTable;
class GradientTableList;
class QComboBox;
class QPushButton;

// The gradient table box, its preview strip and the editor button.
class GradientPicker : public QWidget {
    Q_OBJECT
public:
    // `list` must outlive the picker.
    explicit GradientPicker(GradientTableList& list, QWidget* parent = nullptr);

    // Refills the box from the list and selects its first table.
    void fill();
    // Draws the selected table into the preview.
    void redraw();
    // Redraws the preview walking in `interpolation` between the stops.
    void setInterpolation(GradientInterpolation interpolation);
    // The selected table; null when none.
    const GradientTable* selectedTable() const;

signals:
    void editRequested();
    // Another table was selected, or the list was refilled.
    void selectionChanged();

private:
    GradientTableList& m_list;
    QComboBox* m_cmbgra = nullptr;
    GradientBar* m_imgtruecolor = nullptr;
    QPushButton* m_btngraedit = nullptr;
};
