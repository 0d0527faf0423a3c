#include "ui/PageColor.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

PageColor::PageColor(PageHost& host, QWidget* parent) : HtmlPage(host, parent) {
    setObjectName(QStringLiteral("TabSheet5"));

    m_btncolorset = new QPushButton(QStringLiteral("設定"), this);
    m_btncolorset->setObjectName(QStringLiteral("btncolorset"));
    m_btncolorset->setGeometry(4, 4, 75, 25);

    m_rdocolor = new QGroupBox(this);
    m_rdocolor->setObjectName(QStringLiteral("rdocolor"));
    m_rdocolor->setAccessibleName(QStringLiteral("カラー表記"));
    m_rdocolor->setGeometry(2, 34, 382, 170);
    auto* grid = new QGridLayout(m_rdocolor);
    // The longest notation only just fits its half of the page.
    grid->setContentsMargins(4, 4, 2, 4);
    grid->setHorizontalSpacing(2);
    m_rdocolorItems = new QButtonGroup(m_rdocolor);
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
        auto* radio = new QRadioButton(QString::fromUtf8(captions[i]), m_rdocolor);
        m_rdocolorItems->addButton(radio, i);
        grid->addWidget(radio, i % 5, i / 5);
        m_rdocolorButtons[i] = radio;
    }
    m_rdocolorButtons[0]->setChecked(true);
}

int PageColor::itemIndex() const {
    return m_rdocolorItems->checkedId();
}

QString PageColor::html() {
    return {};
}

bool PageColor::supports(PageAction action) const {
    return action == PageAction::Copy || action == PageAction::HtmlCopy;
}

std::optional<TColor> PageColor::wrapperBackground() const {
    return std::nullopt; // neither saved nor previewed
}

void PageColor::copy() {
    copyHtml();
}

void PageColor::namedColorChosen() {
    m_btncolorset->click();
}
