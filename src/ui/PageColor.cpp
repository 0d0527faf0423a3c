#include "ui/PageColor.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

PageColor::PageColor(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet5"));

    btncolorset = new QPushButton(QStringLiteral("設定"), this);
    btncolorset->setObjectName(QStringLiteral("btncolorset"));
    btncolorset->setGeometry(4, 4, 75, 25);

    rdocolor = new QGroupBox(this);
    rdocolor->setObjectName(QStringLiteral("rdocolor"));
    rdocolor->setAccessibleName(QStringLiteral("カラー表記"));
    rdocolor->setGeometry(2, 34, 382, 170);
    auto* grid = new QGridLayout(rdocolor);
    // The longest notation only just fits its half of the page.
    grid->setContentsMargins(4, 4, 2, 4);
    grid->setHorizontalSpacing(2);
    rdocolorItems = new QButtonGroup(rdocolor);
    static const char* const captions[10] = {"#RRGGBB",
                                             "COLOR=#RRGGBB",
                                             "COLOR:#RRGGBB",
                                             "<FONT COLOR=#RRGGBB>",
                                             "<STYLE COLOR:#RRGGBB>",
                                             "カラー定数",
                                             "COLOR=カラー定数",
                                             "COLOR:カラー定数",
                                             "<FONT COLOR=カラー定数>",
                                             "<STYLE COLOR:カラー定数>"};
    // Two columns, filled top to bottom: items 0..4 left, 5..9 right.
    for (int i = 0; i < 10; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(captions[i]), rdocolor);
        rdocolorItems->addButton(radio, i);
        grid->addWidget(radio, i % 5, i / 5);
        rdocolorButtons[i] = radio;
    }
    rdocolorButtons[0]->setChecked(true);
}

int PageColor::itemIndex() const {
    return rdocolorItems->checkedId();
}
