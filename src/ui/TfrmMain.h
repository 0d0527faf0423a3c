#pragma once

#include "core/Color.h"
#include "settings/ProgramOptions.h"

#include <QMainWindow>
#include <array>
#include <functional>

class ColorSwatch;
class NamedColorList;
class QColorDialog;
class QLineEdit;
class QPushButton;
class QSlider;
class SettingsStore;

// The main window: the one current colour, its displays and the pages
// that write HTML around it.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // Everything the window loads and saves goes through `store`, which must
    // outlive the window.
    explicit TfrmMain(SettingsStore& store, QWidget* parent = nullptr);
    ~TfrmMain() override;

    TColor CurrentColor() const;
    // The only way to change the current colour; refreshes every display of it.
    void SetCurrentColor(TColor color);

    QColorDialog* colorDialog() const { return m_colorDialog; }
    SettingsStore& store() const { return m_store; }

    // The option record, loaded at construction and saved at destruction.
    const ProgramOptions& options() const { return m_options; }
    ProgramOptions& options() { return m_options; }

    // Set while the gradient-text page refreshes its style controls; page
    // and output handlers do nothing meanwhile.
    bool Updating() const { return m_updating; }
    void setUpdating(bool updating) { m_updating = updating; }

    // Page indices of the page control.
    enum Page { GradientTextPage = 0, TablePage = 1, BodyPage = 2, RulePage = 3, ColorPage = 4 };
    int currentPageIndex() const;
    // Hooks for the pages: where the active page index comes from, and the
    // body page's and the colour page's set actions, which apply the current colour.
    void setPageIndexSource(std::function<int()> source) { m_pageIndexSource = std::move(source); }
    void setBodySetAction(std::function<void()> action) { m_bodySetAction = std::move(action); }
    void setColorSetAction(std::function<void()> action) { m_colorSetAction = std::move(action); }

    NamedColorList* colorList() const { return m_lstcolortable; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createColorStrip(QWidget* strip);
    void createLeftPanel(QWidget* panel);
    // Placement, options and custom colours, read once at start ...
    void loadSettings();
    // ... and written once at the end.
    void saveSettings();
    void lstcolortableClick(int row);

    void TrackBar1Change(int tag);
    // Runs for every character typed into an edit box, before the box sees it.
    // Returns true when the character is swallowed.
    bool Edit1KeyPress(int tag, QChar key);
    void btnColorClick();
    TColor sliderColor() const;

    SettingsStore& m_store;
    ColorSwatch* m_imgcolor = nullptr;
    std::array<QSlider*, 3> m_trackBars{};
    std::array<QLineEdit*, 3> m_edits{};
    QPushButton* m_btnrrggbb = nullptr;
    QPushButton* m_rtncolorrgb = nullptr;
    QPushButton* m_btnhsv = nullptr;
    QPushButton* m_btnColor = nullptr;
    QColorDialog* m_colorDialog = nullptr;
    QWidget* m_leftPanel = nullptr;
    NamedColorList* m_lstcolortable = nullptr;

    ProgramOptions m_options;
    bool m_updating = false;
    std::function<int()> m_pageIndexSource;
    std::function<void()> m_bodySetAction;
    std::function<void()> m_colorSetAction;
};
