#pragma once

#include <memory>

#include <QDialog>

class ColorShape;
class QCheckBox;
class SharedColorDialog;
class QComboBox;
class QFileDialog;
class QFontDialog;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
struct ProgramOptions;

// The options dialog: edits copies of the options in its controls, which
// the options take over only on OK. Created once; the tab left open comes
// back at the next opening. The browser, folder and font dialogs are its
// own children, so they are found under it while they show.
class TfrmOpt : public QDialog {
    Q_OBJECT
public:
    // `options` must outlive the dialog. `colorDialog` is the program's
    // shared colour dialog (one of the dialog's own when null).
    TfrmOpt(ProgramOptions& options, SharedColorDialog* colorDialog, QWidget* parent = nullptr);
    ~TfrmOpt() override;

    // Fills the controls from the options and shows the dialog modally; on
    // OK every value goes into the options. True on OK.
    bool execute();

signals:
    // The body presets went back to the built-in ones. That stands even
    // when the dialog is then cancelled.
    void bodyPresetsReset();

private:
    void showOptions();
    void takeOptions();
    // Whether the entry may go into the font table; refuses it otherwise.
    bool acceptFontEntry(const QString& entry);

    void cmbfontnameChange();
    void btnfontaddClick();
    void btnfontupdateClick();
    void btnfontdelClick();
    void cmbfontviewClick();
    void btnfontinitClick();
    void btnbodyinitClick();
    void btnviewbackClick();
    void chkwwwClick();
    void browseBrowser(QLineEdit* edit);
    void sbpluginClick();

    ProgramOptions& m_options;
    std::unique_ptr<SharedColorDialog> m_ownColorDialog;
    SharedColorDialog* m_ColorDialog1 = nullptr;
    // Made when first needed.
    QFileDialog* m_OpenDialog1 = nullptr;
    QFileDialog* m_BrowseDialog1 = nullptr;
    QFontDialog* m_FontDialog1 = nullptr;
    bool m_placed = false;

    QTabWidget* m_pgcoption = nullptr;
    QComboBox* m_cmbfontname = nullptr;
    QLineEdit* m_edtfontname = nullptr;
    QPushButton* m_btnfontadd = nullptr;
    QPushButton* m_btnfontupdate = nullptr;
    QPushButton* m_btnfontdel = nullptr;
    QPushButton* m_cmbfontview = nullptr;
    QPushButton* m_btnfontinit = nullptr;
    QLineEdit* m_txttblchar = nullptr;
    QComboBox* m_cmbhtmlcase = nullptr;
    QCheckBox* m_chkhtmlcr = nullptr;
    QCheckBox* m_chkhtmlsave = nullptr;
    QCheckBox* m_chkcolorconst = nullptr;
    QCheckBox* m_chkrawtext = nullptr;
    QComboBox* m_cmbmarkupstyle = nullptr;
    QComboBox* m_cmbinterpolation = nullptr;
    QPushButton* m_btnbodyinit = nullptr;
    QCheckBox* m_chkwww = nullptr;
    QPushButton* m_btnviewback = nullptr;
    ColorShape* m_shpviewback = nullptr;
    QLineEdit* m_edtwww = nullptr;
    QPushButton* m_btnwww = nullptr;
    QLineEdit* m_edtwww2 = nullptr;
    QPushButton* m_btnwww2 = nullptr;
    QLineEdit* m_edtplugin = nullptr;
    QToolButton* m_sbplugin = nullptr;
    QPushButton* m_Button1 = nullptr;
    QPushButton* m_Button2 = nullptr;
};
