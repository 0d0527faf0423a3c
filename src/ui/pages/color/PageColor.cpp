#include "ui/pages/color/PageColor.h"

#include "html/ColorNotation.h"
#include "html/PageMarkup.h"
#include "ui/pages/PageControls.h"
#include "ui/pages/PageHost.h"
#include "ui/pages/color/SecondColorContrast.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

PageColor::PageColor(PageHost& host, QWidget* parent) : HtmlPage(host, parent) {
    m_btncolorset = PageButton(this, "btncolorset", tr("設定"), QRect(4, 4, 75, 25));

    m_rdocolor = new QGroupBox(this);
    m_rdocolor->setObjectName(QStringLiteral("rdocolor"));
    m_rdocolor->setAccessibleName(tr("カラー表記"));
    m_rdocolor->setGeometry(2, 34, 382, 170);
    auto* grid = new QGridLayout(m_rdocolor);
    // The longest notation only just fits its half of the page.
    grid->setContentsMargins(4, 4, 2, 4);
    grid->setHorizontalSpacing(2);
    QStringList captions = ColorNotationStartCaptions();
    captions.resize(kColorNotationCount);
    m_rdocolorItems = PageRadioGroup(m_rdocolor, captions);
    // Two columns, filled top to bottom: items 0..4 left, 5..9 right.
    for (int i = 0; i < kColorNotationCount; ++i) {
        m_rdocolorButtons[i] = static_cast<QRadioButton*>(m_rdocolorItems->button(i));
        grid->addWidget(m_rdocolorButtons[i], i % 5, i / 5);
    }
    m_rdocolorButtons[m_notation]->setChecked(true);
    fitNotations();
    (new SecondColorContrast(host, this))->setGeometry(2, 208, 382, 62);

    connect(m_btncolorset, &QPushButton::clicked, this, &PageColor::btncolorsetClick);
    connect(m_rdocolorItems, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            m_notation = id;
    });
}

void PageColor::btncolorsetClick() {
    // The buttons stay, so the checked one stays checked.
    const QStringList texts = ColorNotationTexts(host().CurrentColor(), host().options());
    for (int i = 0; i < kColorNotationCount; ++i) {
        // A name from the colour table could hold an ampersand; show it, do not
        // make it a mnemonic.
        QString caption = texts.value(i);
        caption.replace(QLatin1Char('&'), QLatin1String("&&"));
        m_rdocolorButtons[i]->setText(caption);
    }
    fitNotations();
}

void PageColor::fitNotations() {
    // Longer captions (another language, a long colour name) widen the group
    // rather than overlap.
    m_rdocolor->resize(m_rdocolor->size().expandedTo(m_rdocolor->minimumSizeHint()));
}

PageMarkup PageColor::write(const TextProgress&) const {
    return {selectedNotationText(host().CurrentColor()), {}};
}

QString PageColor::selectedNotationText(TColor color) const {
    return WriteColorMarkup(color, m_notation, host().options());
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
