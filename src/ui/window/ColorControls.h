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
    // Sets the colour from the box's number. While the user types, the box
    // keeps the text as typed (empty, leading zeros); `finished` (Enter, a
    // swallowed key, leaving the box) rewrites it as the colour shows it.
    // False when the text is not a number.
    bool applyEdit(int tag, bool finished);
    void btnColorClick();
    // Sizes the notation buttons to the widest text each can show.
    void placeNotationButtons();
    TColor sliderColor() const;

    CurrentColorModel& m_model;
    SharedColorDialog* m_colorDialog;
    std::array<QSlider*, 3> m_trackBars{};
    std::array<QLineEdit*, 3> m_edits{};
    QPushButton* m_btnrrggbb = nullptr;
    QPushButton* m_rtncolorrgb = nullptr;
    QPushButton* m_btnhsv = nullptr;
    QPushButton* m_btnColor = nullptr;
    // The box whose typing is being applied; showColor leaves its text alone.
    int m_typingIn = -1;
};
