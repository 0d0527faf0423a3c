#include "ui/pages/rule/PageRule.h"

#include "html/GradientItems.h"
#include "html/PageMarkup.h"
#include "settings/ProgramOptions.h"
#include "ui/pages/PageControls.h"
#include "ui/pages/PageHost.h"
#include "ui/widgets/ColorShape.h"
#include "ui/window/WindowColor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

PageRule::PageRule(PageHost& host, QWidget* parent) : HtmlPage(host, parent) {
    auto* width = new QGroupBox(tr("幅"), this);
    width->setGeometry(4, 4, 180, 96);
    m_sewidth = PageNumberBox(width, "sewidth", tr("幅"), RulePageModel::kMinValue,
                              m_model.maxWidth(), m_model.width, QRect(10, 20, 60, 22));
    m_rdowindow = new QRadioButton(tr("ウィンドウの割合"), width);
    m_rdowindow->setObjectName(QStringLiteral("rdowindow"));
    m_rdowindow->setGeometry(10, 46, 160, 20);
    m_rdowindow->setChecked(!m_model.pixels);
    m_rdopixel = new QRadioButton(tr("ピクセル"), width);
    m_rdopixel->setObjectName(QStringLiteral("rdopixel"));
    m_rdopixel->setGeometry(10, 68, 160, 20);

    auto* height = new QGroupBox(tr("高さ"), this);
    height->setGeometry(190, 4, 180, 52);
    m_seheight = PageNumberBox(height, "seheight", tr("高さ"), RulePageModel::kMinValue,
                               RulePageModel::kMaxHeight, m_model.height, QRect(10, 20, 60, 22));

    m_rdoalign = new QGroupBox(tr("配置"), this);
    m_rdoalign->setObjectName(QStringLiteral("rdoalign"));
    m_rdoalign->setGeometry(190, 60, 180, 40);
    m_rdoalignItems = PageRadioGroup(m_rdoalign, {tr("左"), tr("中央"), tr("右")});
    // 54 wide each; where a caption needs more, each as wide as its own.
    bool fits = true;
    for (QAbstractButton* radio : m_rdoalignItems->buttons())
        fits = fits && radio->sizeHint().width() <= 54;
    for (int i = 0, x = 10; i < 3; ++i) {
        QAbstractButton* radio = m_rdoalignItems->button(i);
        const int width = fits ? 54 : radio->sizeHint().width();
        radio->setGeometry(x, 16, width, 20);
        x += width + 2;
    }
    m_rdoalignItems->button(int(m_model.align))->setChecked(true);

    auto* repeat = new QGroupBox(tr("繰り返し"), this);
    repeat->setGeometry(4, 106, 366, 52);
    m_chkgrad = new QCheckBox(tr("グラデーション適用"), repeat);
    m_chkgrad->setObjectName(QStringLiteral("chkgrad"));
    m_chkgrad->setGeometry(10, 22, 160, 20);
    m_serepeat = PageNumberBox(repeat, "serepeat", tr("繰り返し"), RulePageModel::kMinValue,
                               RulePageModel::kMaxRepeat, m_model.repeat, QRect(186, 20, 60, 22));

    // One half-width and one full-width parenthesis: the caption as it must read.
    m_chkfull = new QCheckBox(tr("塗りつぶし(影なし）"), this);
    m_chkfull->setObjectName(QStringLiteral("chkfull"));
    m_chkfull->setGeometry(8, 166, 180, 20);

    m_sbhrcolor = PageToggle(this, "sbhrcolor", tr("色"), QRect(8, 194, 60, 22));
    m_shphrcolor = PageColorShape(this, "shphrcolor", tr("色"), QRect(72, 194, 120, 22));
    m_shphrcolor->setColor(m_model.color);

    // Any way of choosing the unit changes the range, the keyboard as well;
    // the box cuts a larger width to the new maximum.
    connect(m_rdopixel, &QRadioButton::toggled, this, [this](bool on) {
        m_model.setPixels(on);
        m_sewidth->setMaximum(m_model.maxWidth());
    });
    connect(m_sewidth, &QSpinBox::valueChanged, this, [this](int value) { m_model.width = value; });
    connect(m_seheight, &QSpinBox::valueChanged, this,
            [this](int value) { m_model.height = value; });
    connect(m_rdoalignItems, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            m_model.align = RuleAlign(id);
    });
    connect(m_chkgrad, &QCheckBox::toggled, this, [this](bool on) { m_model.gradient = on; });
    connect(m_serepeat, &QSpinBox::valueChanged, this,
            [this](int value) { m_model.repeat = value; });
    connect(m_chkfull, &QCheckBox::toggled, this, [this](bool on) { m_model.noshade = on; });
    connect(m_sbhrcolor, &QToolButton::toggled, this, [this](bool on) { m_model.colorOn = on; });
    connect(m_shphrcolor, &ColorShape::colorChanged, this,
            [this](TColor color) { m_model.color = color; });
    connect(m_shphrcolor, &ColorShape::pressed, this, &PageRule::shphrcolorMouseDown);
}

PageMarkup PageRule::write(const TextProgress&) const {
    if (!m_model.gradient)
        return {WriteRuleMarkup(m_model, nullptr, host().options()), {}};
    const GradientTable* gradient = host().selectedGradient();
    // Nothing is written, and the clipboard keeps what it had.
    if (!gradient || !CanWalkGradient(*gradient))
        return {{}, tr("グラデーションには2色以上が必要です")};
    return {WriteRuleMarkup(m_model, gradient, host().options()), {}};
}

bool PageRule::supports(PageAction action) const {
    return action == PageAction::HtmlCopy;
}

std::optional<TColor> PageRule::wrapperBackground() const {
    return host().options().viewback;
}

void PageRule::capWidthToWindowShare() {
    if (!m_model.pixels)
        m_sewidth->setMaximum(RulePageModel::kMaxPercent);
}

void PageRule::shphrcolorMouseDown() {
    if (host().Updating())
        return;
    // Held as plain RGB, so the markup can write the window colour as well.
    m_shphrcolor->setColor(m_sbhrcolor->isChecked() ? host().CurrentColor() : WindowColorRgb());
}
