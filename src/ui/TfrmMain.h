#pragma once

#include "core/Color.h"
#include "gradient/GradientTableList.h"
#include "settings/ProgramOptions.h"

#include <QMainWindow>
#include <array>
#include <functional>

class ColorSwatch;
class GradientBar;
class MainActions;
class MainBars;
class NamedColorList;
class PageBody;
class PageColor;
class PageRule;
class PageTable;
class PageText;
class QColorDialog;
class QComboBox;
class QFileDialog;
class QTabWidget;
class TSingleInstance;
class TfrmAboutBox;
class TfrmHelp;
class TfrmOpt;
class Tfrmchart;
class Tfrmwaitdlg;
class QLineEdit;
class QPushButton;
class QSlider;
class SettingsStore;
class TfrmGradEdit;

// The main window: the one current colour, its displays and the pages
// that write HTML around it.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // Everything the window loads and saves goes through `store`, which must
    // outlive the window.
    // With `singleInstance`, the window runs its check once its parts exist;
    // a duplicate copy skips the rest of start-up and the saving at the end.
    explicit TfrmMain(SettingsStore& store, QWidget* parent = nullptr,
                      TSingleInstance* singleInstance = nullptr);
    ~TfrmMain() override;

    // True when another copy was found running; the program then ends.
    bool IsDuplicate() const { return m_duplicate; }

    // Set while the gradient-text page refreshes its style controls; output
    // and page handlers do nothing meanwhile.
    bool Updating() const { return m_updating; }
    void SetUpdating(bool updating) { m_updating = updating; }

    // The secondary windows, created after this one by the application.
    void setForms(Tfrmwaitdlg* waitdlg, TfrmOpt* opt, TfrmAboutBox* about, Tfrmchart* chart);
    Tfrmwaitdlg* frmwaitdlg() const { return m_frmwaitdlg; }

    MainActions& actions() const { return *m_actions; }
    MainBars& bars() const { return *m_bars; }
    QTabWidget* PageControl1() const { return m_PageControl1; }
    PageText* pageText() const { return m_pageText; }
    PageTable* pageTable() const { return m_pageTable; }
    PageBody* pageBody() const { return m_pageBody; }
    PageRule* pageRule() const { return m_pageRule; }
    PageColor* pageColor() const { return m_pageColor; }
    QFileDialog* SaveDialog1() const { return m_SaveDialog1; }
    TfrmHelp* helpWindow();
    // The program file's own path with the extension ".hlp"; names the help.
    QString HelpFile() const { return m_helpFile; }

    TColor CurrentColor() const;
    // The only way to change the current colour; refreshes every display of it.
    void SetCurrentColor(TColor color);

    QColorDialog* colorDialog() const { return m_colorDialog; }
    SettingsStore& store() const { return m_store; }

    // The program's one list of gradient tables.
    GradientTableList& gradientTables() { return m_gradientTables; }
    TfrmGradEdit* gradientEditor() const { return m_frmGradEdit; }

    // The option record, loaded at construction and saved at destruction.
    const ProgramOptions& options() const { return m_options; }
    ProgramOptions& options() { return m_options; }

    // Page indices of the page control.
    enum Page { GradientTextPage = 0, TablePage = 1, BodyPage = 2, RulePage = 3, ColorPage = 4 };
    int currentPageIndex() const;
    // The body page's and the colour page's set actions, which apply the
    // current colour; the pages install them.
    void setBodySetAction(std::function<void()> action) { m_bodySetAction = std::move(action); }
    void setColorSetAction(std::function<void()> action) { m_colorSetAction = std::move(action); }

    NamedColorList* colorList() const { return m_lstcolortable; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Start-up and shut-down of the window, in their fixed order.
    void createMainParts();
    void createPages(QWidget* panel);
    void connectActions();
    void FormCreate();
    void FormDestroy();
    void PageControl1Change(int index);
    void FormMouseUp();
    // Action handlers.
    void ac_exitExecute();
    void ac_cutExecute();
    void ac_copyExecute();
    void ac_pasteExecute();
    void ac_selectallExecute();
    void ac_saveasExecute();
    void ac_htmlcopyExecute();
    void ac_wwwviewExecute(int browser);
    void ac_optionExecute();
    void ac_contentsExecute();
    void ac_searchonhelpExecute();
    void ac_helponhelpExecute();
    void ac_aboutExecute();
    void ac_chartExecute();
    // Steps served by the settings, gradient, eyedropper, page, output and
    // picture facilities; each fills its own hook.
    void hookSearchStandardPluginFolders();
    void hookLoadPlugins();
    void hookClearBackgroundPicture();
    void hookResetTableCells();
    void hookEyedropperCursor();
    void hookClearSampling();
    void hookPrepareBodyPage();
    void hookMakePreviewFileName();
    void hookDeletePreviewFile();
    void hookCopy();
    void hookSaveAs();
    void hookHtmlCopy();
    void hookPreview(int browser);
    void hookOptionsDialog();

    void createColorStrip(QWidget* strip);
    void createLeftPanel(QWidget* panel);
    // The option record with the lists it fills: named colours, fonts.
    void loadOptions();
    void lstcolortableClick(int row);

    void TrackBar1Change(int tag);
    // Runs for every character typed into an edit box, before the box sees it.
    // Returns true when the character is swallowed.
    bool Edit1KeyPress(int tag, QChar key);
    void btnColorClick();
    TColor sliderColor() const;

    // Loads the gradient tables, fills cmbgra and selects its first table.
    void loadGradients();
    // Draws the table selected in cmbgra into imgtruecolor.
    void cmbgraChange();
    void btngraeditClick();

    SettingsStore& m_store;
    ColorSwatch* m_imgcolor = nullptr;
    std::array<QSlider*, 3> m_trackBars{};
    std::array<QLineEdit*, 3> m_edits{};
    QPushButton* m_btnrrggbb = nullptr;
    QPushButton* m_rtncolorrgb = nullptr;
    QPushButton* m_btnhsv = nullptr;
    QPushButton* m_btnColor = nullptr;
    QColorDialog* m_colorDialog = nullptr;
    GradientTableList m_gradientTables;
    QComboBox* m_cmbgra = nullptr;
    GradientBar* m_imgtruecolor = nullptr;
    QPushButton* m_btngraedit = nullptr;
    TfrmGradEdit* m_frmGradEdit = nullptr;

    TSingleInstance* m_singleInstance = nullptr;
    bool m_duplicate = false;
    bool m_updating = false;
    QString m_helpFile;
    MainActions* m_actions = nullptr;
    MainBars* m_bars = nullptr;
    QTabWidget* m_PageControl1 = nullptr;
    PageText* m_pageText = nullptr;
    PageTable* m_pageTable = nullptr;
    PageBody* m_pageBody = nullptr;
    PageRule* m_pageRule = nullptr;
    PageColor* m_pageColor = nullptr;
    QFileDialog* m_SaveDialog1 = nullptr;
    Tfrmwaitdlg* m_frmwaitdlg = nullptr;
    TfrmOpt* m_frmOpt = nullptr;
    TfrmAboutBox* m_frmAboutBox = nullptr;
    Tfrmchart* m_frmchart = nullptr;
    TfrmHelp* m_frmHelp = nullptr;

    QWidget* m_leftPanel = nullptr;
    NamedColorList* m_lstcolortable = nullptr;

    ProgramOptions m_options;
    std::function<void()> m_bodySetAction;
    std::function<void()> m_colorSetAction;
};
