#pragma once

#include "ui/HtmlPage.h"

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
// colours and the cell grid.
class PageTable : public HtmlPage {
    Q_OBJECT
public:
    explicit PageTable(PageHost& host, QWidget* parent = nullptr);

    QString html() override;
    bool supports(PageAction action) const override;
    std::optional<TColor> wrapperBackground() const override;
    // Selects every existing cell of the grid.
    void selectAll() override;

private:
    QSpinBox* m_SpinEdit1 = nullptr; // rows
    QSpinBox* m_SpinEdit2 = nullptr; // columns
    QPushButton* m_btntabeinit = nullptr;
    QGroupBox* m_rdotabletarget = nullptr;
    QButtonGroup* m_rdotabletargetItems = nullptr; // id 0 cell background, 1 text
    QPushButton* m_btntblexec = nullptr;
    std::array<QToolButton*, 4> m_sbtbl{}; // sbtbl0 .. sbtbl3, one exclusive group
    QButtonGroup* m_sbtblGroup = nullptr;
    QPushButton* m_btntblcel = nullptr;
    QToolButton* m_sbtblback = nullptr;
    QToolButton* m_sbtblkei = nullptr;
    QToolButton* m_sbtblkeil = nullptr;
    QToolButton* m_sbtblkeid = nullptr;
    ColorShape* m_shptblback = nullptr;
    ColorShape* m_shptblkei = nullptr;
    ColorShape* m_shptblkeil = nullptr;
    ColorShape* m_shptblkeid = nullptr;
    QTableWidget* m_DrawGrid1 = nullptr;
};
