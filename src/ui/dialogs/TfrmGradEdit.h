#pragma once

#include "core/Color.h"
#include "gradient/GradientTable.h"
#include "settings/MarkupOptions.h"

#include <QDialog>
#include <array>
#include <memory>
#include <optional>
#include <vector>

class GradientBar;
class GradientMark;
class GradientTableList;
class SharedColorDialog;
struct GradientImport;
class QLabel;
class QListWidget;
class QPushButton;

// The gradient editor: manages the list of gradient tables and edits the
// stops of one table at a time as marks above a preview bar. Created once
// and kept for the whole run, so each opening shows it as it was left. The
// list is the program's; its owner loads and saves it.
class TfrmGradEdit : public QDialog {
    Q_OBJECT
public:
    // `list` must outlive the dialog. `colorDialog` is the colour dialog
    // shared with the main window (its custom colours are kept); the dialog
    // makes its own when none is given.
    TfrmGradEdit(GradientTableList& list, SharedColorDialog* colorDialog,
                 QWidget* parent = nullptr);
    ~TfrmGradEdit() override;

    // The program's interpolation option: the bar walks in it between the
    // stops, and a CSS export names it.
    void setInterpolation(GradientInterpolation interpolation);

    // The shown marks in slot order.
    std::vector<GradientStop> workingStops() const;

    // Export formats, in the order of the save dialog's filters.
    enum class ExportFormat { Ggr, Css, Gpl };
    struct ExportTarget {
        QString path;
        ExportFormat format = ExportFormat::Ggr;
    };

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    // What the user is asked; tests answer instead.
    virtual std::optional<QString> askTableName();
    virtual std::optional<TColor> askColor(TColor initial);
    virtual void refuse(const QString& text);
    virtual bool ask(const QString& text);
    virtual QString askImportFile();
    virtual std::optional<QString> askImportText(const QString& initial);
    virtual std::optional<ExportTarget> askExportFile(const QString& suggestedName);
    virtual void inform(const QString& text);

private:
    void fillList();
    void selectRow(int row);
    void loadWorkingStops(int tableIndex);
    void redrawBar();

    void lstgraClick();
    void btnnewClick();
    void btnupdateClick();
    void btndeleteClick();
    void btnresetClick();
    void importFile();
    void importText();
    void addImported(const GradientImport& import);
    void btnexportClick();
    void imgmark0MouseDown(GradientMark* mark, Qt::MouseButton button, int x);
    void imgmark0MouseMove(GradientMark* mark, int stripX);
    void imgmark0MouseUp();
    void Panel2MouseDown(Qt::MouseButton button, int x);
    // The three gestures, also offered by the strip's and the marks' menus.
    void addStop(int x);
    void recolour(GradientMark* mark);
    void removeStop(GradientMark* mark);
    // The first stop of the loaded table and the rightmost stop stay put.
    bool movable(const GradientMark* mark) const;
    void showMenu(GradientMark* mark, QPoint stripPos);
    // Shows whether the marks differ from the table as stored.
    void showPending();

    GradientTableList& m_list;
    std::unique_ptr<SharedColorDialog> m_ownColorDialog;
    SharedColorDialog* m_colorDialog;
    QListWidget* m_lstgra = nullptr;
    QWidget* m_panel2 = nullptr;
    GradientBar* m_imggra = nullptr;
    std::array<GradientMark*, 10> m_marks{};
    QPushButton* m_btnok = nullptr;
    QPushButton* m_btnnew = nullptr;
    QPushButton* m_btnupdate = nullptr;
    QPushButton* m_btndelete = nullptr;
    QPushButton* m_btnreset = nullptr;
    QPushButton* m_btnimport = nullptr;
    QPushButton* m_btnexport = nullptr;
    QLabel* m_lblhint = nullptr;
    QLabel* m_lblpending = nullptr;
    bool m_dragging = false;
    int m_grabOffset = 0;
    GradientInterpolation m_interpolation = GradientInterpolation::Srgb;
};
