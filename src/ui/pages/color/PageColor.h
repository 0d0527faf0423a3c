#pragma once

#include "ui/pages/HtmlPage.h"

#include "html/ColorNotation.h"
#include "html/ColorPageModel.h"

#include <array>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QListWidget;

// The colour page: the ten notations of the current colour, and below them
// a list of the modern notations and the user templates. One choice holds:
// an entry chosen in the list clears the radio group, and a notation chosen
// in the group clears the list.
class PageColor : public HtmlPage {
    Q_OBJECT
public:
    explicit PageColor(PageHost& host, QWidget* parent = nullptr);

    PageMarkup write(const TextProgress& progress = {}) const override;
    bool supports(PageAction action) const override;
    std::optional<TColor> wrapperBackground() const override;
    void copy() override;
    void namedColorChosen() override;
    void optionsApplied() override;
    // `color` in the selected notation, as a copy writes the current colour;
    // a faulty template gives its fault instead.
    ColorPageText selectedNotationText(TColor color) const;

private:
    // Shows each notation's text for the current colour as its caption.
    void btncolorsetClick();
    void fitNotations();
    // The list's entries: the notations, then the user templates.
    void fillFormats();
    void formatChosen();
    void notationChosen(int id);

    QPushButton* m_btncolorset = nullptr;
    QGroupBox* m_rdocolor = nullptr;
    QButtonGroup* m_rdocolorItems = nullptr; // ids 0..9
    std::array<QRadioButton*, kColorNotationCount> m_rdocolorButtons{};
    QListWidget* m_lstcssformat = nullptr;
    // The selected notation, 0..9, kept by the buttons' change signal, or the
    // list's entry; the colour is the current one at each write.
    ColorPageModel m_page;
};
