#pragma once

#include "core/Color.h"
#include "html/PreviewFile.h"
#include "ui/pages/PageHost.h"

#include <QMainWindow>
#include <memory>
#include <optional>
#include <vector>

class ColorControls;
class ColorHistoryDock;
class ColorSwatch;
class CurrentColorModel;
class GradientPicker;
class GradientTableList;
class HtmlPage;
class LivePreview;
class MainActions;
class MainBars;
class NamedColorList;
class OutputActions;
class PageRule;
struct PageRegistration;
struct PageTraits;
class ProgramState;
class QColorDialog;
class SharedColorDialog;
class QTabWidget;
class SettingsStore;
class TSPIs;
class TfrmAboutBox;
class TfrmGradEdit;
class TfrmHelp;
class TfrmOpt;
class Tfrmchart;
class Tfrmwaitdlg;

// The main window: builds the colour controls, the gradient picker and the
// registered pages (each when it is first shown), wires the actions to the
// page shown, and loads and saves its part of the program's state.
class TfrmMain : public QMainWindow, public PageHost {
    Q_OBJECT
public:
    // `state` must outlive the window. The window loads its state here and
    // saves it when it closes.
    explicit TfrmMain(ProgramState& state, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Saves everything once; later calls do nothing. A failed save is shown
    // to the user. Runs when the window closes or the application quits.
    void saveState();

    TColor CurrentColor() const override;
    void SetCurrentColor(TColor color);
    CurrentColorModel* currentColorModel() override { return m_color; }
    std::vector<TColor> recentColors() const override;
    const GradientTable* selectedGradient() const override;
    ProgramOptions& options() override;
    // Whether any page refreshes its controls.
    bool Updating() const override;
    Tfrmwaitdlg* progressDialog() override { return m_frmwaitdlg; }
    QStatusBar* statusLine() override;
    QWidget* dialogParent() override { return this; }
    // The colour dialog shared by the program (its custom colours are stored).
    QColorDialog* colorDialog();

    MainActions& actions() const { return *m_actions; }
    MainBars& bars() const { return *m_bars; }
    QTabWidget* PageControl1() const { return m_PageControl1; }
    // The page of `traits`, built now if it was not yet; null when the
    // window has no such page.
    HtmlPage* page(const PageTraits& traits);
    NamedColorList* colorList() const { return m_lstcolortable; }
    GradientTableList& gradientTables();
    TfrmGradEdit* gradientEditor() const { return m_frmGradEdit; }
    LivePreview* livePreview() const { return m_livePreview; }
    TfrmHelp* helpWindow();
    // The program file's own path with the extension ".hlp"; names the help.
    QString HelpFile() const { return m_helpFile; }

protected:
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void createColorStrip(QWidget* strip);
    void createLeftPanel(QWidget* panel);
    void createPages(QWidget* panel);
    void createSecondaryWindows();
    void startPlugins();
    void connectActions();
    void FormCreate();
    // What the window itself writes at the end, between the gradient tables
    // and the options.
    void saveWindows(SettingsStore& store);
    // The page at `index` of the page control, built on first use.
    HtmlPage* pageAt(int index);
    HtmlPage* activePage();
    const PageTraits& activeTraits() const;
    int activePageIndex() const;
    void createLivePreview();
    void createColorHistory();
    // The active page's output as the preview shows it; nullopt while the
    // window is busy with the page.
    std::optional<QString> previewDocument();
    // The window grows by the docked preview, so the pages keep their size.
    void fitToPreview();
    // The least room of the pages: the design's, or more where their
    // controls or tabs need it.
    void measurePages();
    // Widens the pages' room to hold the controls of `page`.
    void measurePage(const HtmlPage& page);
    void fitPageRoom();
    // Sizes the window to the pages' room and whatever is docked around them.
    void fitToContents();

    void PageControl1Change();
    void lstcolortableClick(int row);
    void btngraeditClick();
    void ac_cutExecute();
    void ac_copyExecute();
    void ac_pasteExecute();
    void ac_selectallExecute();
    void ac_saveasExecute();
    void ac_htmlcopyExecute();
    void wwwviewsub(int browser);
    void ac_wwwviewExecute();
    void ac_wwwview2Execute();
    void ac_optionExecute();
    void ac_aboutExecute();
    void ac_chartExecute();
    void ac_livepreviewExecute(bool checked);

    ProgramState& m_state;
    CurrentColorModel* m_color = nullptr;
    ColorSwatch* m_imgcolor = nullptr;
    ColorControls* m_colorControls = nullptr;
    GradientPicker* m_gradientPicker = nullptr;
    NamedColorList* m_lstcolortable = nullptr;
    QWidget* m_leftPanel = nullptr;
    std::unique_ptr<SharedColorDialog> m_colorDialog;
    MainActions* m_actions = nullptr;
    MainBars* m_bars = nullptr;
    QTabWidget* m_PageControl1 = nullptr;
    // The registered pages by their index in the page control; a page not
    // yet shown is a placeholder there and null here.
    struct PageSlot {
        const PageRegistration* registration;
        HtmlPage* page = nullptr;
    };
    std::vector<PageSlot> m_pages;
    PageRule* m_pageRule = nullptr;

    // Secondary windows, children of this one.
    TfrmGradEdit* m_frmGradEdit = nullptr;
    Tfrmwaitdlg* m_frmwaitdlg = nullptr;
    TfrmOpt* m_frmOpt = nullptr;
    TfrmAboutBox* m_frmAboutBox = nullptr;
    Tfrmchart* m_frmchart = nullptr;
    TfrmHelp* m_frmHelp = nullptr;
    LivePreview* m_livePreview = nullptr;
    ColorHistoryDock* m_history = nullptr;

    // Rewritten by every preview, removed at the end of the run.
    PreviewFile m_preview;
    std::unique_ptr<OutputActions> m_output;
    // The picture plug-in host; its libraries stay loaded while the window lives.
    std::unique_ptr<TSPIs> m_SPIs1;

    QString m_helpFile;
    bool m_saved = false;
    // Set once the options and tables are loaded: a page built from then on
    // starts at once.
    bool m_pagesStarted = false;
    // Set once the pages are measured, until the window goes.
    bool m_fitting = false;
    bool m_pagesMeasured = false;
    QSize m_layoutSlack;
    // What the page control adds around a page, and the room the built
    // pages' controls take.
    QSize m_pageFrame;
    QSize m_pageRoom;
};
