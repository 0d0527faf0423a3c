#pragma once

#include "ui/pages/HtmlPage.h"

#include "html/ColorNotation.h"

#include <array>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

// The colour page: the ten notations of the current colour.
class PageColor : public HtmlPage {
    Q_OBJECT
public:
    explicit PageColor(PageHost& host, QWidget* parent = nullptr);

    PageMarkup write(const TextProgress& progress = {}) const override;
    bool supports(PageAction action) const override;
    std::optional<TColor> wrapperBackground() const override;
    void copy() override;
    void namedColorChosen() override;
    // `color` in the selected notation, as a copy writes the current colour.
    QString selectedNotationText(TColor color) const;

private:
    // Shows each notation's text for the current colour as its caption.
    void btncolorsetClick();
    void fitNotations();

    QPushButton* m_btncolorset = nullptr;
    QGroupBox* m_rdocolor = nullptr;
    QButtonGroup* m_rdocolorItems = nullptr; // ids 0..9
    std::array<QRadioButton*, kColorNotationCount> m_rdocolorButtons{};
    // The selected notation, 0..9, kept by the buttons' change signal; the
    // colour is the current one at each write.
    int m_notation = 0;
};
