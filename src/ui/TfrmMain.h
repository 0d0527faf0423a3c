#pragma once

#include "core/Color.h"
#include "gradient/GradientTableList.h"

#include <QMainWindow>
#include <array>

class ColorSwatch;
class GradientBar;
class QColorDialog;
class QComboBox;
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
    explicit TfrmMain(SettingsStore& store, QWidget* parent = nullptr);
    ~TfrmMain() override;

    TColor CurrentColor() const;
    // The only way to change the current colour; refreshes every display of it.
    void SetCurrentColor(TColor color);

    QColorDialog* colorDialog() const { return m_colorDialog; }
    SettingsStore& store() const { return m_store; }

    // The program's one list of gradient tables.
    GradientTableList& gradientTables() { return m_gradientTables; }
    TfrmGradEdit* gradientEditor() const { return m_frmGradEdit; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createColorStrip(QWidget* strip);
    void createLeftPanel(QWidget* panel);

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
    bool m_gradEditPlaced = false;
};
