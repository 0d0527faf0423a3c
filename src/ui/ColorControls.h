#pragma once

#include "core/Color.h"

#include <QWidget>
#include <array>

class CurrentColorModel;
class SharedColorDialog;
class QLineEdit;
class QPushButton;
class QSlider;

// The red, green and blue sliders and edit boxes, the notation buttons that
// copy the current colour and the colour dialog button.
class ColorControls : public QWidget {
    Q_OBJECT
public:
    ColorControls(CurrentColorModel& model, SharedColorDialog* colorDialog,
                  QWidget* parent = nullptr);

    // Shows `color` on the sliders, boxes and notation buttons.
    void showColor(TColor color);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TrackBar1Change(int tag);
    // Runs for every character typed into an edit box, before the box sees it.
    // Returns true when the character is swallowed.
    bool Edit1KeyPress(int tag, QChar key);
    void btnColorClick();
    TColor sliderColor() const;

    CurrentColorModel& m_model;
    SharedColorDialog* m_colorDialog;
    std::array<QSlider*, 3> m_trackBars{};
    std::array<QLineEdit*, 3> m_edits{};
    QPushButton* m_btnrrggbb = nullptr;
    QPushButton* m_rtncolorrgb = nullptr;
    QPushButton* m_btnhsv = nullptr;
    QPushButton* m_btnColor = nullptr;
};
