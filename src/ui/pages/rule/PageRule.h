#pragma once

#include "html/RuleMarkup.h"
#include "ui/pages/HtmlPage.h"

class ColorShape;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QRadioButton;
class QSpinBox;
class QToolButton;

// The horizontal-rule page: width, height, alignment, repetition and colour
// of the rules. The number boxes hold only values of their ranges, so the
// markup never sees what was typed until it is a valid number.
class PageRule : public HtmlPage {
    Q_OBJECT
public:
    explicit PageRule(PageHost& host, QWidget* parent = nullptr);

    PageMarkup write(const TextProgress& progress = {}) const override;
    bool supports(PageAction action) const override;
    std::optional<TColor> wrapperBackground() const override;

    // While the width is a share of the window, it is at most 100.
    void capWidthToWindowShare();

private:
    void shphrcolorMouseDown();

    // What the controls hold, kept up to date by their change signals.
    RulePageModel m_model;

    QSpinBox* m_sewidth = nullptr;
    QRadioButton* m_rdowindow = nullptr;
    QRadioButton* m_rdopixel = nullptr;
    QSpinBox* m_seheight = nullptr;
    QGroupBox* m_rdoalign = nullptr;
    QButtonGroup* m_rdoalignItems = nullptr; // id 0 left, 1 centre, 2 right
    QCheckBox* m_chkgrad = nullptr;
    QSpinBox* m_serepeat = nullptr;
    QCheckBox* m_chkfull = nullptr;
    QToolButton* m_sbhrcolor = nullptr;
    ColorShape* m_shphrcolor = nullptr;
};
