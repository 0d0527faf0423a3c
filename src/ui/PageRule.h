#pragma once

#include <QWidget>

class ColorShape;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QRadioButton;
class QSpinBox;
class QToolButton;

// Page 3, horizontal rule: width, height, alignment, repetition and colour
// of the rules. Controls are public, as on a designed form.
class PageRule : public QWidget {
    Q_OBJECT
public:
    explicit PageRule(QWidget* parent = nullptr);

    QSpinBox* sewidth = nullptr;
    QRadioButton* rdowindow = nullptr;
    QRadioButton* rdopixel = nullptr;
    QSpinBox* seheight = nullptr;
    QGroupBox* rdoalign = nullptr;
    QButtonGroup* rdoalignItems = nullptr; // id 0 left, 1 centre, 2 right
    QCheckBox* chkgrad = nullptr;
    QSpinBox* serepeat = nullptr;
    QCheckBox* chkfull = nullptr;
    QToolButton* sbhrcolor = nullptr;
    ColorShape* shphrcolor = nullptr;
};
