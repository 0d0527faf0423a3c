#include "ui/window/TfrmMain.h"

#include "Version.h"
#include "html/PageMarkup.h"
#include "html/PageTraits.h"
#include "pictures/PictureStartup.h"
#include "settings/ProgramOptions.h"
#include "settings/SettingsStore.h"
#include "settings/WindowPlacement.h"
#include "ui/dialogs/DialogCustomColors.h"
#include "ui/dialogs/SharedColorDialog.h"
#include "ui/dialogs/TfrmAboutBox.h"
#include "ui/dialogs/TfrmGradEdit.h"
#include "ui/dialogs/TfrmHelp.h"
#include "ui/dialogs/TfrmOpt.h"
#include "ui/dialogs/Tfrmchart.h"
#include "ui/dialogs/Tfrmwaitdlg.h"
#include "ui/eyedropper/Eyedropper.h"
#include "ui/pages/PageRegistry.h"
#include "ui/pages/rule/PageRule.h"
#include "ui/widgets/ColorSwatch.h"
#include "ui/widgets/FormFont.h"
#include "ui/widgets/GlyphIcons.h"
#include "ui/widgets/GradientPicker.h"
#include "ui/widgets/NamedColorList.h"
#include "ui/window/ColorControls.h"
#include "ui/window/ColorEntry.h"
#include "ui/window/CurrentColorModel.h"
#include "ui/window/FormPlacement.h"
#include "ui/window/LivePreview.h"
#include "ui/window/MainActions.h"
#include "ui/window/MainBars.h"
#include "ui/window/OutputActions.h"
#include "ui/window/ProgramState.h"
#include "ui/window/ToolbarPositions.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kCaption = QStringLiteral("Vellomar Ver " VELLOMAR_VERSION);
// The window without the preview; the pages are laid out for it.
const QSize kWindowSize(627, 470);
// The docked preview's width beside the pages, or height above or below.
const int kPreviewWidth = 320;
const int kPreviewHeight = 200;
// The colour list fills the left panel below the colour entry.
const int kListTop = 192;

} // namespace

TfrmMain::TfrmMain(ProgramState& state, QWidget* parent) : QMainWindow(parent), m_state(state) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kCaption);
    setFont(FormFont());
    setFixedSize(kWindowSize);
    setWindowFlags(windowFlags() & ~Qt::WindowMaximizeButtonHint);

    m_color = new CurrentColorModel(this);
    m_output = std::make_unique<OutputActions>(*this, m_preview);
    m_colorDialog = std::make_unique<SharedColorDialog>(this, QStringLiteral("ColorDialog1"));

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* strip = new QWidget(central);
    strip->setObjectName(QStringLiteral("pnlColorStrip"));
    strip->setFixedHeight(77);
    column->addWidget(strip);
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    column->addLayout(row, 1);
    auto* left = new QWidget(central);
    left->setObjectName(QStringLiteral("pnlLeft"));
    left->setFixedWidth(233);
    row->addWidget(left);
    auto* right = new QWidget(central);
    right->setObjectName(QStringLiteral("pnlRight"));
    row->addWidget(right, 1);
    setCentralWidget(central);

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setFixedHeight(19);
    statusBar()->setSizeGripEnabled(false);

    createColorStrip(strip);
    createLeftPanel(left);
    m_actions = new MainActions(this);
    m_bars = new MainBars(*this, *m_actions);
    createPages(right);
    createLivePreview();
    pageAt(m_PageControl1->currentIndex());
    connectActions();

    FormCreate();
    createSecondaryWindows();
}

TfrmMain::~TfrmMain() {
    // The dock is hidden as the window goes; nothing is left to fit then.
    disconnect(m_livePreview, nullptr, this, nullptr);
    m_fitting = false;
    m_state.setPreviewFile(nullptr);
}

void TfrmMain::createColorStrip(QWidget* strip) {
    auto* eyedropper = new Eyedropper(*m_color, strip);
    eyedropper->move(0, 0);
    // Some desktops (Wayland) do not let a program read the screen.
    connect(eyedropper, &Eyedropper::screenUnreadable, this,
            [this] { statusBar()->showMessage(tr("画面の色を読み取れませんでした。"), 5000); });
    connect(eyedropper, &Eyedropper::screenshotFailed, this,
            [this](const QString& message) { statusBar()->showMessage(message, 5000); });

    m_imgcolor = new ColorSwatch(strip);
    m_imgcolor->setObjectName(QStringLiteral("imgcolor"));
    m_imgcolor->setGeometry(152, 7, 79, 63);
    m_imgcolor->setAccessibleName(tr("現在の色"));
    // The swatch shows a new colour first, then the controls.
    connect(m_color, &CurrentColorModel::changed, this, [this](TColor color) {
        m_imgcolor->fill(color);
        m_imgcolor->setToolTip(ColorToHtml(color));
    });

    m_gradientPicker = new GradientPicker(m_state.gradientTables(), strip);
    m_gradientPicker->move(240, 6);
    connect(m_gradientPicker, &GradientPicker::editRequested, this, &TfrmMain::btngraeditClick);
}

void TfrmMain::createLeftPanel(QWidget* panel) {
    m_colorControls = new ColorControls(*m_color, m_colorDialog.get(), panel);
    m_colorControls->move(0, 0);
    connect(m_color, &CurrentColorModel::changed, m_colorControls, &ColorControls::showColor);

    auto* entry = new ColorEntry(*m_color, panel);
    entry->move(0, 146);
    connect(m_color, &CurrentColorModel::changed, entry, &ColorEntry::showColor);
    connect(entry, &ColorEntry::message, this,
            [this](const QString& text) { statusBar()->showMessage(text, 5000); });
    entry->takePastesIn(panel);
    entry->takePastesIn(findChild<Eyedropper*>());

    m_lstcolortable = new NamedColorList(panel);
    m_lstcolortable->setGeometry(4, kListTop, 226, std::max(0, panel->height() - kListTop - 4));
    connect(m_lstcolortable, &NamedColorList::rowChosen, this, &TfrmMain::lstcolortableClick);
    connect(m_color, &CurrentColorModel::changed, m_lstcolortable, &NamedColorList::showColor);
    // The panel places its children by hand; the list takes the height left below the buttons.
    m_leftPanel = panel;
    panel->installEventFilter(this);
}

void TfrmMain::createPages(QWidget* panel) {
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    m_PageControl1 = new QTabWidget(panel);
    m_PageControl1->setObjectName(QStringLiteral("PageControl1"));
    m_PageControl1->setTabPosition(QTabWidget::South);
    // A page is built when it is first shown; until then an empty sheet
    // holds its tab, and its place in the Tab order.
    for (const PageRegistration& registration : RegisteredPages()) {
        auto* sheet = new QWidget(m_PageControl1);
        sheet->setObjectName(QStringLiteral("TabSheet%1").arg(m_pages.size() + 1));
        sheet->setFocusPolicy(Qt::TabFocus);
        m_PageControl1->addTab(
            sheet, QCoreApplication::translate("PageTraits", registration.traits.caption));
        m_pages.push_back({&registration});
    }
    {
        // The window opens on the body page with every action enabled.
        const QSignalBlocker blocker(m_PageControl1);
        for (size_t i = 0; i < m_pages.size(); ++i) {
            if (&m_pages[i].registration->traits == &StartPage())
                m_PageControl1->setCurrentIndex(int(i));
        }
    }
    connect(m_PageControl1, &QTabWidget::currentChanged, this, &TfrmMain::PageControl1Change);
    layout->addWidget(m_PageControl1);
}

void TfrmMain::createSecondaryWindows() {
    m_frmGradEdit = new TfrmGradEdit(m_state.gradientTables(), m_colorDialog.get(), this);
    m_frmwaitdlg = new Tfrmwaitdlg(this);
    m_frmOpt = new TfrmOpt(m_state.options(), m_colorDialog.get(), this);
    // A body list reset shows in the preset box at once, OK or not.
    connect(m_frmOpt, &TfrmOpt::bodyPresetsReset, this, [this] {
        for (const PageSlot& slot : m_pages) {
            if (slot.page && &slot.registration->traits == &Pages::Body)
                slot.page->optionsApplied();
        }
    });
    m_frmAboutBox = new TfrmAboutBox(this);
    m_frmchart = new Tfrmchart(*m_color, this);
    // Both are created hidden at start and come back where they were left.
    LoadWindowPlacement(m_state.store(), m_frmOpt);
    // Until the user has placed it, the chart opens fitting its cells.
    if (m_state.store().contains(PlacementSection(m_frmchart->objectName()),
                                 QStringLiteral("width")))
        LoadWindowPlacement(m_state.store(), m_frmchart);
    // Closed by its own close box, the chart leaves the button released.
    connect(m_frmchart, &Tfrmchart::visibilityChanged, this,
            [this](bool visible) { m_actions->ac_chart->setChecked(visible); });
}

void TfrmMain::connectActions() {
    MainActions& a = *m_actions;
    // The keys work with either tool bar hidden; the options have no menu item.
    addActions(a.all());
    connect(a.ac_exit, &QAction::triggered, this, &QWidget::close);
    connect(a.ac_cut, &QAction::triggered, this, &TfrmMain::ac_cutExecute);
    connect(a.ac_copy, &QAction::triggered, this, &TfrmMain::ac_copyExecute);
    connect(a.ac_paste, &QAction::triggered, this, &TfrmMain::ac_pasteExecute);
    connect(a.ac_selectall, &QAction::triggered, this, &TfrmMain::ac_selectallExecute);
    connect(a.ac_saveas, &QAction::triggered, this, &TfrmMain::ac_saveasExecute);
    connect(a.ac_htmlcopy, &QAction::triggered, this, &TfrmMain::ac_htmlcopyExecute);
    connect(a.ac_wwwview, &QAction::triggered, this, &TfrmMain::ac_wwwviewExecute);
    connect(a.ac_wwwview2, &QAction::triggered, this, &TfrmMain::ac_wwwview2Execute);
    connect(a.ac_option, &QAction::triggered, this, &TfrmMain::ac_optionExecute);
    connect(a.ac_contents, &QAction::triggered, this, [this] { helpWindow()->showContents(); });
    connect(a.ac_searchonhelp, &QAction::triggered, this,
            [this] { helpWindow()->showSearch(QString()); });
    connect(a.ac_helponhelp, &QAction::triggered, this, [this] { helpWindow()->showHelpOnHelp(); });
    connect(a.ac_about, &QAction::triggered, this, &TfrmMain::ac_aboutExecute);
    connect(a.ac_chart, &QAction::triggered, this, &TfrmMain::ac_chartExecute);
    connect(a.ac_livepreview, &QAction::triggered, this, &TfrmMain::ac_livepreviewExecute);
}

void TfrmMain::FormCreate() {
    // The installed pictures, when the program found them, are the icon the
    // desktop shows for its entry; the drawn one stands in without them.
    if (QApplication::windowIcon().isNull())
        QApplication::setWindowIcon(ProgramIcon());
    setWindowIcon(QApplication::windowIcon());
    const QFileInfo program(QCoreApplication::applicationFilePath());
    m_helpFile = program.dir().filePath(program.completeBaseName() + QStringLiteral(".hlp"));
    // The key name is the settings store's and the about text the about box's.
    QGuiApplication::setApplicationName(QStringLiteral("Vellomar"));
    setWindowTitle(kCaption);
    LoadWindowPlacement(m_state.store(), this);
    m_state.loadOptions();
    startPlugins();
    LoadDialogCustomColors(m_state.store());
    // The menu bar takes its size before the pages are measured beside it.
    m_bars->sizeMenuBar(font());
    measurePages();
    ToolbarPositions::Restore(*this, {m_bars->Toolbar971, m_bars->Toolbar972}, m_state.store());
    ToolbarPositions::RestoreDock(*this, *m_livePreview, m_state.store());
    m_actions->ac_livepreview->setChecked(!m_livePreview->isHidden());
    fitToPreview();
    m_lstcolortable->setTable(&m_state.options().colors);
    m_state.loadGradientTables();
    m_gradientPicker->setInterpolation(m_state.options().interpolation);
    m_gradientPicker->fill();
    for (const PageSlot& slot : m_pages) {
        if (slot.page)
            slot.page->start();
    }
    m_pagesStarted = true;
    // A file that cannot be made now is made, or its failure shown, by the
    // first preview.
    m_preview.create();
    m_state.setPreviewFile(&m_preview);
    // Every display starts in line with the colour the program uses.
    SetCurrentColor(CurrentColor());
}

void TfrmMain::startPlugins() {
    // The standard folders, then the one of the plugin option. One host
    // serves the program: a second window in the same process shares it.
    if (TSPIs::Instance())
        return;
    m_SPIs1 = StartPicturePlugins(m_state.options().plugin);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    saveState();
    QMainWindow::closeEvent(event);
}

void TfrmMain::saveState() {
    if (m_saved)
        return;
    m_saved = true;
    if (m_state.save([this](SettingsStore& store) { saveWindows(store); }))
        return;
    const QString where = m_state.store().fileName();
    QMessageBox::critical(
        this, QStringLiteral("Vellomar"),
        where.isEmpty()
            ? tr("設定を保存できませんでした。")
            : tr("設定を保存できませんでした。\n%1").arg(QDir::toNativeSeparators(where)));
}

void TfrmMain::saveWindows(SettingsStore& store) {
    // The secondary windows before the main window, in reverse order of creation.
    SaveWindowPlacement(store, m_frmchart);
    SaveWindowPlacement(store, m_frmOpt);
    ToolbarPositions::Save(*this, {m_bars->Toolbar971, m_bars->Toolbar972}, store);
    ToolbarPositions::SaveDock(*this, *m_livePreview, store);
    SaveWindowPlacement(store, this);
    SaveDialogCustomColors(store);
}

HtmlPage* TfrmMain::page(const PageTraits& traits) {
    for (size_t i = 0; i < m_pages.size(); ++i) {
        if (&m_pages[i].registration->traits == &traits)
            return pageAt(int(i));
    }
    return nullptr;
}

HtmlPage* TfrmMain::pageAt(int index) {
    PageSlot& slot = m_pages.at(size_t(index));
    if (slot.page)
        return slot.page;
    // Made inside the window, the page sizes its captions in its font.
    QWidget* sheet = m_PageControl1->widget(index);
    HtmlPage* page = slot.registration->build(*this, m_PageControl1);
    slot.page = page;
    page->setObjectName(sheet->objectName());
    {
        // The page takes the sheet's place unseen: the page shown stays.
        const QSignalBlocker blocker(m_PageControl1);
        const int current = m_PageControl1->currentIndex();
        m_PageControl1->insertTab(index, page, m_PageControl1->tabText(index));
        m_PageControl1->removeTab(index + 1);
        m_PageControl1->setCurrentIndex(current);
    }
    // Built late, its controls would come last in the Tab order; they take
    // the sheet's place there too.
    QList<QWidget*> controls;
    for (QWidget* w = page->nextInFocusChain(); page->isAncestorOf(w); w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            controls << w;
    }
    QWidget* before = sheet;
    for (QWidget* control : controls) {
        QWidget::setTabOrder(before, control);
        before = control;
    }
    delete sheet;

    if (auto* rule = qobject_cast<PageRule*>(page))
        m_pageRule = rule;
    if (m_livePreview)
        connect(page, &HtmlPage::changed, m_livePreview, &LivePreview::schedule);
    if (m_pagesStarted)
        page->start();
    if (m_pagesMeasured) {
        measurePage(*page);
        fitPageRoom();
    }
    return page;
}

HtmlPage* TfrmMain::activePage() {
    return pageAt(activePageIndex());
}

const PageTraits& TfrmMain::activeTraits() const {
    return m_pages.at(size_t(activePageIndex())).registration->traits;
}

int TfrmMain::activePageIndex() const {
    return std::clamp(m_PageControl1->currentIndex(), 0, int(m_pages.size()) - 1);
}

bool TfrmMain::Updating() const {
    return std::any_of(m_pages.begin(), m_pages.end(),
                       [](const PageSlot& slot) { return slot.page && slot.page->Updating(); });
}

QColorDialog* TfrmMain::colorDialog() {
    return m_colorDialog->dialog();
}

TColor TfrmMain::CurrentColor() const {
    return m_color->CurrentColor();
}

void TfrmMain::SetCurrentColor(TColor color) {
    m_color->SetCurrentColor(color);
}

const GradientTable* TfrmMain::selectedGradient() const {
    return m_gradientPicker->selectedTable();
}

ProgramOptions& TfrmMain::options() {
    return m_state.options();
}

GradientTableList& TfrmMain::gradientTables() {
    return m_state.gradientTables();
}

QStatusBar* TfrmMain::statusLine() {
    return statusBar();
}

void TfrmMain::lstcolortableClick(int row) {
    if (row < 0 || row >= m_state.options().colors.count())
        return;
    SetCurrentColor(m_state.options().colors.at(row).value);
    if (!Updating())
        activePage()->namedColorChosen();
}

void TfrmMain::btngraeditClick() {
    CenterOverMainWindow(m_frmGradEdit, this);
    m_frmGradEdit->setInterpolation(m_state.options().interpolation);
    m_frmGradEdit->exec();
    // Activation redraws the preview as well, but not every platform
    // reactivates the main window after a modal dialog.
    m_gradientPicker->fill();
}

void TfrmMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_gradientPicker->redraw();
    QMainWindow::changeEvent(event);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_leftPanel && event->type() == QEvent::Resize)
        m_lstcolortable->setGeometry(4, kListTop, 226,
                                     std::max(0, m_leftPanel->height() - kListTop - 4));
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::mouseReleaseEvent(QMouseEvent* event) {
    QMainWindow::mouseReleaseEvent(event);
    if (m_pageRule)
        m_pageRule->capWidthToWindowShare();
}

void TfrmMain::PageControl1Change() {
    m_actions->applyPage(*activePage(), activeTraits());
    m_livePreview->schedule();
}

void TfrmMain::ac_cutExecute() {
    if (!Updating())
        activePage()->cut();
}

void TfrmMain::ac_copyExecute() {
    if (!Updating())
        activePage()->copy();
}

void TfrmMain::ac_pasteExecute() {
    if (!Updating())
        activePage()->paste();
}

void TfrmMain::ac_selectallExecute() {
    if (!Updating())
        activePage()->selectAll();
}

void TfrmMain::ac_htmlcopyExecute() {
    m_output->htmlCopy(*activePage());
}

void TfrmMain::ac_saveasExecute() {
    m_output->saveAs(*activePage(), activeTraits());
}

void TfrmMain::wwwviewsub(int browser) {
    m_output->preview(*activePage(), activeTraits(), browser);
}

void TfrmMain::ac_wwwviewExecute() {
    wwwviewsub(1);
}

void TfrmMain::ac_wwwview2Execute() {
    wwwviewsub(2);
}

void TfrmMain::ac_optionExecute() {
    if (!m_frmOpt->execute())
        return;
    m_gradientPicker->setInterpolation(m_state.options().interpolation);
    for (const PageSlot& slot : m_pages) {
        if (slot.page)
            slot.page->optionsApplied();
    }
    m_livePreview->schedule();
}

TfrmHelp* TfrmMain::helpWindow() {
    if (!m_frmHelp)
        m_frmHelp = new TfrmHelp(this);
    return m_frmHelp;
}

void TfrmMain::ac_aboutExecute() {
    m_frmAboutBox->adjustSize();
    CenterOverMainWindow(m_frmAboutBox, this);
    m_frmAboutBox->exec();
}

void TfrmMain::ac_chartExecute() {
    if (m_frmchart->isVisible())
        m_frmchart->hide();
    else
        m_frmchart->show();
    // The button's pressed state is the action's check mark.
    m_actions->ac_chart->setChecked(m_frmchart->isVisible());
}

void TfrmMain::createLivePreview() {
    m_livePreview = new LivePreview(this);
    m_livePreview->setSource([this] { return previewDocument(); });
    addDockWidget(Qt::RightDockWidgetArea, m_livePreview);
    m_livePreview->hide();
    connect(m_color, &CurrentColorModel::changed, m_livePreview, &LivePreview::schedule);
    connect(m_gradientPicker, &GradientPicker::selectionChanged, m_livePreview,
            &LivePreview::schedule);
    // Closed by its own close box, the dock clears the menu's check mark.
    connect(m_livePreview, &QDockWidget::visibilityChanged, this, [this] {
        m_actions->ac_livepreview->setChecked(!m_livePreview->isHidden());
        fitToPreview();
    });
    connect(m_livePreview, &QDockWidget::dockLocationChanged, this, &TfrmMain::fitToPreview);
    connect(m_livePreview, &QDockWidget::topLevelChanged, this, &TfrmMain::fitToPreview);
}

std::optional<QString> TfrmMain::previewDocument() {
    // While a long run goes on in the background the preview waits for its
    // end. Its own write shows no progress and no message.
    if (Updating() || (m_frmwaitdlg && m_frmwaitdlg->isVisible()))
        return std::nullopt;
    HtmlPage* page = activePage();
    const QString fragment = page->html();
    if (!activeTraits().outputFile)
        return fragment;
    return WrapPageMarkup(fragment, activeTraits(),
                          page->wrapperBackground().value_or(options().viewback), options());
}

void TfrmMain::fitToPreview() {
    if (!m_livePreview->isHidden() && !m_livePreview->isFloating()) {
        const Qt::DockWidgetArea area = dockWidgetArea(m_livePreview);
        if (area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea) {
            m_livePreview->setMinimumSize(kPreviewWidth, 0);
            m_livePreview->setMaximumSize(kPreviewWidth, QWIDGETSIZE_MAX);
        } else {
            m_livePreview->setMinimumSize(0, kPreviewHeight);
            m_livePreview->setMaximumSize(QWIDGETSIZE_MAX, kPreviewHeight);
        }
    } else {
        // Floating, it is a window of its own the user sizes.
        m_livePreview->setMinimumSize(120, 80);
        m_livePreview->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    fitToContents();
}

void TfrmMain::measurePages() {
    // The design size holds the pages with both bars at the top.
    setFixedSize(kWindowSize);
    layout()->activate();
    centralWidget()->setMinimumSize(centralWidget()->size());
    // The layout's least size may round a pixel off the design's.
    layout()->invalidate();
    m_layoutSlack = kWindowSize - layout()->minimumSize();
    m_fitting = true;
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_pagesMeasured || !m_fitting)
        return;
    // Longer captions (another language, another font) may need more room
    // than the design's: every control of every page, and all the tabs side
    // by side. The tab frame is known once the pages are laid out; a page
    // built later is measured as it is built.
    m_pagesMeasured = true;
    m_pageFrame = m_PageControl1->size() - m_PageControl1->currentWidget()->size();
    for (const PageSlot& slot : m_pages) {
        if (slot.page)
            measurePage(*slot.page);
    }
    fitPageRoom();
}

void TfrmMain::measurePage(const HtmlPage& page) {
    for (const QWidget* control : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->isWindow() && !control->isHidden())
            m_pageRoom = m_pageRoom.expandedTo(
                QSize(control->geometry().right() + 1, control->geometry().bottom() + 1));
    }
}

void TfrmMain::fitPageRoom() {
    const int tabs = m_PageControl1->tabBar()->sizeHint().width() + m_pageFrame.width();
    const int panel = m_leftPanel->width();
    centralWidget()->setMinimumSize(centralWidget()->minimumSize().expandedTo(
        QSize(panel + std::max(m_pageRoom.width() + m_pageFrame.width(), tabs),
              m_leftPanel->y() + m_pageRoom.height() + m_pageFrame.height())));
    fitToContents();
}

void TfrmMain::fitToContents() {
    // Bars docked at the sides or in more rows, and the docked preview, add
    // to the pages' room; the window never takes it from them.
    if (!m_fitting)
        return;
    layout()->invalidate();
    const QSize size = layout()->minimumSize() + m_layoutSlack;
    if (size != this->size() || minimumSize() != maximumSize())
        setFixedSize(size);
}

bool TfrmMain::event(QEvent* event) {
    const bool done = QMainWindow::event(event);
    if (event->type() == QEvent::LayoutRequest && m_fitting)
        fitToContents();
    return done;
}

void TfrmMain::ac_livepreviewExecute(bool checked) {
    m_livePreview->setVisible(checked);
    fitToPreview();
}
