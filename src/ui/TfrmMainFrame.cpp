// TfrmMain: the window frame around the colour controls. Start-up and
// shut-down order, pages, menus, tool bars and the actions they show.
#include "ui/TfrmMain.h"

#include "settings/OptionsStore.h"
#include "settings/SettingsStore.h"
#include "ui/DialogCustomColors.h"
#include "ui/FormPlacement.h"
#include "ui/GlyphIcons.h"
#include "ui/MainActions.h"
#include "ui/MainBars.h"
#include "ui/NamedColorList.h"
#include "ui/PageBody.h"
#include "ui/PageColor.h"
#include "ui/PageRule.h"
#include "ui/PageTable.h"
#include "ui/PageText.h"
#include "ui/TfrmAboutBox.h"
#include "ui/TfrmHelp.h"
#include "ui/TfrmOpt.h"
#include "ui/Tfrmchart.h"
#include "ui/Tfrmwaitdlg.h"
#include "ui/ToolbarPositions.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const int kPageText = 0;
const int kPageTable = 1;
const int kPageBody = 2;

} // namespace

void TfrmMain::createMainParts() {
    m_actions = new MainActions(this);
    m_bars = new MainBars(*this, *m_actions);
    createPages(findChild<QWidget*>(QStringLiteral("pnlRight")));

    m_SaveDialog1 = new QFileDialog(this);
    m_SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
    m_SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    m_SaveDialog1->setDefaultSuffix(QStringLiteral("htm"));
    m_SaveDialog1->setNameFilters({QStringLiteral("HTML (*.htm *.html)"),
                                   QStringLiteral("Text (*.txt)"), QStringLiteral("All (*)")});
    connectActions();
}

void TfrmMain::createPages(QWidget* panel) {
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    m_PageControl1 = new QTabWidget(panel);
    m_PageControl1->setObjectName(QStringLiteral("PageControl1"));
    m_PageControl1->setTabPosition(QTabWidget::South);
    m_pageText = new PageText;
    m_pageTable = new PageTable;
    m_pageBody = new PageBody;
    m_pageRule = new PageRule;
    m_pageColor = new PageColor;
    m_PageControl1->addTab(m_pageText, QStringLiteral("ｸﾞﾗﾃﾞｰｼｮﾝﾃｷｽﾄ"));
    m_PageControl1->addTab(m_pageTable, QStringLiteral("テーブル"));
    m_PageControl1->addTab(m_pageBody, QStringLiteral("ボディ"));
    m_PageControl1->addTab(m_pageRule, QStringLiteral("水平線"));
    m_PageControl1->addTab(m_pageColor, QStringLiteral("Color"));
    {
        // The window opens on the body page with every action enabled.
        const QSignalBlocker blocker(m_PageControl1);
        m_PageControl1->setCurrentIndex(kPageBody);
    }
    connect(m_PageControl1, &QTabWidget::currentChanged, this, &TfrmMain::PageControl1Change);
    layout->addWidget(m_PageControl1);
}

void TfrmMain::connectActions() {
    MainActions& a = *m_actions;
    connect(a.ac_exit, &QAction::triggered, this, &TfrmMain::ac_exitExecute);
    connect(a.ac_cut, &QAction::triggered, this, &TfrmMain::ac_cutExecute);
    connect(a.ac_copy, &QAction::triggered, this, &TfrmMain::ac_copyExecute);
    connect(a.ac_paste, &QAction::triggered, this, &TfrmMain::ac_pasteExecute);
    connect(a.ac_selectall, &QAction::triggered, this, &TfrmMain::ac_selectallExecute);
    connect(a.ac_saveas, &QAction::triggered, this, &TfrmMain::ac_saveasExecute);
    connect(a.ac_htmlcopy, &QAction::triggered, this, &TfrmMain::ac_htmlcopyExecute);
    connect(a.ac_wwwview, &QAction::triggered, this, [this] { ac_wwwviewExecute(1); });
    connect(a.ac_wwwview2, &QAction::triggered, this, [this] { ac_wwwviewExecute(2); });
    connect(a.ac_option, &QAction::triggered, this, &TfrmMain::ac_optionExecute);
    connect(a.ac_contents, &QAction::triggered, this, &TfrmMain::ac_contentsExecute);
    connect(a.ac_searchonhelp, &QAction::triggered, this, &TfrmMain::ac_searchonhelpExecute);
    connect(a.ac_helponhelp, &QAction::triggered, this, &TfrmMain::ac_helponhelpExecute);
    connect(a.ac_about, &QAction::triggered, this, &TfrmMain::ac_aboutExecute);
    connect(a.ac_chart, &QAction::triggered, this, &TfrmMain::ac_chartExecute);
}

void TfrmMain::setForms(Tfrmwaitdlg* waitdlg, TfrmOpt* opt, TfrmAboutBox* about, Tfrmchart* chart) {
    m_frmwaitdlg = waitdlg;
    m_frmOpt = opt;
    m_frmAboutBox = about;
    m_frmchart = chart;
    if (m_frmchart) {
        // Closed by its own close box, the chart leaves the button released.
        connect(m_frmchart, &Tfrmchart::visibilityChanged, this,
                [this](bool visible) { m_actions->ac_chart->setChecked(visible); });
    }
}

void TfrmMain::FormCreate() {
    // Before the steps: the picture plug-in host searches its standard folders.
    hookSearchStandardPluginFolders();
    // 1. Icon of the application and of the window.
    QApplication::setWindowIcon(ProgramIcon());
    setWindowIcon(ProgramIcon());
    // 2. Help file: the program's own path with the extension ".hlp".
    const QFileInfo program(QCoreApplication::applicationFilePath());
    m_helpFile = program.dir().filePath(program.completeBaseName() + QStringLiteral(".hlp"));
    // 3. Title, caption (the key name is the settings store's; the about
    // text is the about box's).
    QGuiApplication::setApplicationName(QStringLiteral("Vellomar"));
    setWindowTitle(QStringLiteral("Vellomar Ver 3.12"));
    LoadWindowPlacement(m_store, this);                                                  // 4
    loadOptions();                                                                       // 5
    hookLoadPlugins();                                                                   // 6
    hookClearBackgroundPicture();                                                        // 7
    LoadCustomColors(m_store, m_colorDialog);                                            // 8
    ToolbarPositions::Restore(*this, {m_bars->Toolbar971, m_bars->Toolbar972}, m_store); // 9
    m_bars->sizeMenuBar(font());                                                         // 10
    m_lstcolortable->setTable(&m_options.colors);                                        // 11
    m_pageText->RichEdit1->setStyleSheet(
        QStringLiteral("QTextEdit { background: %1; }").arg(ColorToHtml(m_options.viewback))); // 12
    loadGradients();                                                                           // 13
    m_pageText->cmbfontsize->setCurrentIndex(0);                                               // 14
    if (m_pageText->cmbfontname->count() > 0)
        m_pageText->cmbfontname->setCurrentIndex(0);
    hookResetTableCells();                   // 15
    hookEyedropperCursor();                  // 16
    hookClearSampling();                     // 17
    m_pageBody->cmbbody->setCurrentIndex(0); // 18
    hookPrepareBodyPage();
    SetChartVisible(false);    // 19
    hookMakePreviewFileName(); // 20
}

void TfrmMain::loadOptions() {
    LoadOptions(m_store, m_options);
    m_pageText->cmbfontname->clear();
    m_pageText->cmbfontname->addItems(m_options.fonttable);
    // Every preset up to the stored count, whether or not its record loaded.
    for (int i = 0; i < m_options.bodyPresets.count(); ++i)
        m_pageBody->cmbbodysel->addItem(m_options.bodyPresets.at(i).name);
}

void TfrmMain::FormDestroy() {
    ToolbarPositions::Save(*this, {m_bars->Toolbar971, m_bars->Toolbar972}, m_store);
    SaveWindowPlacement(m_store, this);
    SaveCustomColors(m_store, m_colorDialog);
    SaveOptions(m_store, m_options);
    hookDeletePreviewFile();
    m_store.sync();
}

void TfrmMain::PageControl1Change(int index) {
    m_actions->applyPage(index);
}

void TfrmMain::mouseReleaseEvent(QMouseEvent* event) {
    QMainWindow::mouseReleaseEvent(event);
    FormMouseUp();
}

void TfrmMain::FormMouseUp() {
    // Same rule as the rule page's own "share of the window" button.
    if (m_pageRule->rdowindow->isChecked())
        m_pageRule->sewidth->setMaximum(100);
}

void TfrmMain::ac_exitExecute() {
    close();
}

void TfrmMain::ac_cutExecute() {
    if (m_updating)
        return;
    if (m_PageControl1->currentIndex() == kPageText)
        m_pageText->RichEdit1->cut();
}

void TfrmMain::ac_copyExecute() {
    if (m_updating)
        return;
    hookCopy();
}

void TfrmMain::ac_pasteExecute() {
    if (m_updating)
        return;
    if (m_PageControl1->currentIndex() == kPageText)
        m_pageText->RichEdit1->paste();
}

void TfrmMain::ac_selectallExecute() {
    if (m_updating)
        return;
    const int page = m_PageControl1->currentIndex();
    if (page == kPageText) {
        m_pageText->RichEdit1->selectAll();
    } else if (page == kPageTable) {
        QTableWidget* grid = m_pageTable->DrawGrid1;
        if (grid->rowCount() > 0 && grid->columnCount() > 0)
            grid->setRangeSelected(
                QTableWidgetSelectionRange(0, 0, grid->rowCount() - 1, grid->columnCount() - 1),
                true);
    }
}

void TfrmMain::ac_saveasExecute() {
    if (m_updating)
        return;
    hookSaveAs();
}

void TfrmMain::ac_htmlcopyExecute() {
    if (m_updating)
        return;
    hookHtmlCopy();
}

void TfrmMain::ac_wwwviewExecute(int browser) {
    hookPreview(browser);
}

void TfrmMain::ac_optionExecute() {
    hookOptionsDialog();
}

TfrmHelp* TfrmMain::helpWindow() {
    if (!m_frmHelp)
        m_frmHelp = new TfrmHelp(this);
    return m_frmHelp;
}

void TfrmMain::ac_contentsExecute() {
    helpWindow()->showContents();
}

void TfrmMain::ac_searchonhelpExecute() {
    helpWindow()->showSearch(QString());
}

void TfrmMain::ac_helponhelpExecute() {
    helpWindow()->showHelpOnHelp();
}

void TfrmMain::ac_aboutExecute() {
    if (!m_frmAboutBox)
        return;
    m_frmAboutBox->adjustSize();
    CenterOverMainWindow(m_frmAboutBox, this);
    m_frmAboutBox->exec();
}

void TfrmMain::ac_chartExecute() {
    if (!m_frmchart)
        return;
    if (ChartVisible())
        m_frmchart->hide();
    else
        m_frmchart->show();
    // The button's pressed state is the action's check mark.
    m_actions->ac_chart->setChecked(ChartVisible());
}

// Hooks. Each names the routine that will run at that step; until then the
// step leaves the state of a first start.

void TfrmMain::hookSearchStandardPluginFolders() {
    // SPIs1 searches the standard plug-in folders.
}

void TfrmMain::hookLoadPlugins() {
    // Plug-in folder check and loading of its *.spi into SPIs1.
}

void TfrmMain::hookClearBackgroundPicture() {
    // BackgroundPicturePath emptied.
}

void TfrmMain::hookResetTableCells() {
    // Table page: 50 x 50 cell colours reset to none.
}

void TfrmMain::hookEyedropperCursor() {
    // The eyedropper cursor for the application and imgspoit.
}

void TfrmMain::hookClearSampling() {
    // The eyedropper's Sampling flag cleared.
}

void TfrmMain::hookPrepareBodyPage() {
    // Body labels refreshed, cmbbodysel item 0 selected and its change handler run.
}

void TfrmMain::hookMakePreviewFileName() {
    // MakePreviewFileName(".htm").
}

void TfrmMain::hookDeletePreviewFile() {
    // Delete PreviewFileName, ignoring a failure.
}

void TfrmMain::hookCopy() {
    // Copy of the active page's text.
}

void TfrmMain::hookSaveAs() {
    // Save the active page's HTML to a file chosen in SaveDialog1.
}

void TfrmMain::hookHtmlCopy() {
    // The active page's HTML to the clipboard.
}

void TfrmMain::hookPreview(int) {
    // Preview of the active page's HTML in browser 1 or 2.
}

void TfrmMain::hookOptionsDialog() {
    // The options dialog copies the options in before and applies them on OK.
    if (m_frmOpt)
        m_frmOpt->exec();
}
