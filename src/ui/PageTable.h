#pragma once

#include <QWidget>
#include <array>

class ColorShape;
class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class QToolButton;

// Page 1, gradient table: table size, target, direction, the four table
// colours and the cell grid. Controls are public, as on a designed form.
class PageTable : public QWidget {
    Q_OBJECT
public:
    explicit PageTable(QWidget* parent = nullptr);

    QSpinBox* SpinEdit1 = nullptr; // rows
    QSpinBox* SpinEdit2 = nullptr; // columns
    QPushButton* btntabeinit = nullptr;
    QGroupBox* rdotabletarget = nullptr;
    QButtonGroup* rdotabletargetItems = nullptr; // id 0 cell background, 1 text
    QPushButton* btntblexec = nullptr;
    std::array<QToolButton*, 4> sbtbl{}; // sbtbl0 .. sbtbl3, one exclusive group
    QButtonGroup* sbtblGroup = nullptr;
    QPushButton* btntblcel = nullptr;
    QToolButton* sbtblback = nullptr;
    QToolButton* sbtblkei = nullptr;
    QToolButton* sbtblkeil = nullptr;
    QToolButton* sbtblkeid = nullptr;
    ColorShape* shptblback = nullptr;
    ColorShape* shptblkei = nullptr;
    ColorShape* shptblkeil = nullptr;
    ColorShape* shptblkeid = nullptr;
    QTableWidget* DrawGrid1 = nullptr;
};
