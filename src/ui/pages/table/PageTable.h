#pragma once

#include "html/CellColors.h"
#include "html/TableGradient.h"
#include "html/TableMarkup.h"
#include "ui/pages/HtmlPage.h"

#include <array>
#include <memory>

class CellGridDelegate;
class PageProgress;
class ColorShape;
class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class QToolButton;

// The gradient-table page: table size, target, direction, the four table
// colours and the cell grid, which previews the cells and selects the
// rectangle the colour buttons work on.
class PageTable : public HtmlPage {
    Q_OBJECT
public:
    explicit PageTable(PageHost& host, QWidget* parent = nullptr);
    ~PageTable() override;

    PageMarkup write(const TextProgress& progress = {}) const override;
    bool supports(PageAction action) const override;
    std::optional<TColor> wrapperBackground() const override;
    // Clears the cell colours.
    void start() override;
    void optionsApplied() override;
    // Selects every existing cell of the grid.
    void selectAll() override;

protected:
    // The grid takes the room below the controls.
    void resizeEvent(QResizeEvent* event) override;

private:
    void btntabeinitClick();
    void btntblcelClick();
    void btntblexecClick();
    void sbtblToggled(int index, bool down);
    void shptblbackMouseDown();
    void shptblColorMouseDown(ColorShape* shape);

    // The grid's selected rectangle; the current cell when nothing is selected.
    CellRect selectedRect() const;
    TableDirection direction() const;
    CellTarget target() const;
    // Repaints the changed cells only.
    void repaintCells(const CellChanges& changes);

    // What the controls hold, kept up to date by their change signals; the
    // cell text is the option's at each write.
    TablePageModel m_model;
    std::unique_ptr<CellColors> m_cells;
    std::unique_ptr<PageProgress> m_progress;
    CellGridDelegate* m_gridPainter = nullptr;

    QSpinBox* m_SpinEdit1 = nullptr; // columns ("縦:")
    QSpinBox* m_SpinEdit2 = nullptr; // rows ("横:")
    QPushButton* m_btntabeinit = nullptr;
    QGroupBox* m_rdotabletarget = nullptr;
    QButtonGroup* m_rdotabletargetItems = nullptr; // id 0 cell background, 1 text
    QPushButton* m_btntblexec = nullptr;
    std::array<QToolButton*, 4> m_sbtbl{}; // sbtbl0 .. sbtbl3: at most one down
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
