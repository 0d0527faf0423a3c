#include "ui/pages/rule/PageRule.h"

#include "html/GradientItems.h"
#include "html/PageMarkup.h"
#include "settings/ProgramOptions.h"
#include "ui/pages/PageHost.h"
#include "ui/widgets/ColorShape.h"
#include "ui/window/WindowColor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolButton>

namespace {

QSpinBox* Spin(QWidget* parent, const char* name, const QString& accessible, int maximum, int value,
               const QRect& r) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessible);
    box->setRange(RulePageModel::kMinValue, maximum);
    box->setValue(value);
    box->setGeometry(r);
    return box;
}

} // namespace

PageRule::PageRule(PageHost& host, QWidget* parent) : HtmlPage(host, parent) {
    setObjectName(QStringLiteral("TabSheet4"));

    auto* width = new QGroupBox(tr("幅"), this);
    width->setGeometry(4, 4, 180, 96);
    m_sewidth =
        Spin(width, "sewidth", tr("幅"), RulePageModel::kMaxPercent, 100, QRect(10, 20, 60, 22));
    m_rdowindow = new QRadioButton(tr("ウィンドウの割合"), width);
    m_rdowindow->setObjectName(QStringLiteral("rdowindow"));
    m_rdowindow->setGeometry(10, 46, 160, 20);
    m_rdowindow->setChecked(true);
    m_rdopixel = new QRadioButton(tr("ピクセル"), width);
    m_rdopixel->setObjectName(QStringLiteral("rdopixel"));
    m_rdopixel->setGeometry(10, 68, 160, 20);
    // Any way of choosing the unit changes the range, the keyboard as well.
    connect(m_rdopixel, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            rdopixelSelected();
    });
    connect(m_rdowindow, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            rdowindowClick();
    });

    auto* height = new QGroupBox(tr("高さ"), this);
    height->setGeometry(190, 4, 180, 52);
    m_seheight =
        Spin(height, "seheight", tr("高さ"), RulePageModel::kMaxHeight, 2, QRect(10, 20, 60, 22));

    m_rdoalign = new QGroupBox(tr("配置"), this);
    m_rdoalign->setObjectName(QStringLiteral("rdoalign"));
    m_rdoalign->setGeometry(190, 60, 180, 40);
    m_rdoalignItems = new QButtonGroup(m_rdoalign);
    const QString aligns[3] = {tr("左"), tr("中央"), tr("右")};
    // 54 wide each; where a caption needs more, each as wide as its own.
    bool fits = true;
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(aligns[i], m_rdoalign);
        fits = fits && radio->sizeHint().width() <= 54;
        m_rdoalignItems->addButton(radio, i);
    }
    for (int i = 0, x = 10; i < 3; ++i) {
        QAbstractButton* radio = m_rdoalignItems->button(i);
        const int width = fits ? 54 : radio->sizeHint().width();
        radio->setGeometry(x, 16, width, 20);
        x += width + 2;
    }
    m_rdoalignItems->button(1)->setChecked(true);

    auto* repeat = new QGroupBox(tr("繰り返し"), this);
    repeat->setGeometry(4, 106, 366, 52);
    m_chkgrad = new QCheckBox(tr("グラデーション適用"), repeat);
    m_chkgrad->setObjectName(QStringLiteral("chkgrad"));
    m_chkgrad->setGeometry(10, 22, 160, 20);
    m_serepeat = Spin(repeat, "serepeat", tr("繰り返し"), RulePageModel::kMaxRepeat, 10,
                      QRect(186, 20, 60, 22));

    // One half-width and one full-width parenthesis: the caption as it must read.
    m_chkfull = new QCheckBox(tr("塗りつぶし(影なし）"), this);
    m_chkfull->setObjectName(QStringLiteral("chkfull"));
    m_chkfull->setGeometry(8, 166, 180, 20);

    m_sbhrcolor = new QToolButton(this);
    m_sbhrcolor->setObjectName(QStringLiteral("sbhrcolor"));
    m_sbhrcolor->setText(tr("色"));
    m_sbhrcolor->setCheckable(true);
    m_sbhrcolor->setGeometry(8, 194, 60, 22);
    m_shphrcolor = new ColorShape(this);
    m_shphrcolor->setObjectName(QStringLiteral("shphrcolor"));
    m_shphrcolor->setAccessibleName(tr("色"));
    m_shphrcolor->setGeometry(72, 194, 120, 22);
    m_shphrcolor->setCursor(Qt::PointingHandCursor);
    m_shphrcolor->installEventFilter(this);
}

RulePageModel PageRule::model() const {
    RulePageModel page;
    page.pixels = m_rdopixel->isChecked();
    page.width = m_sewidth->value();
    page.height = m_seheight->value();
    page.align = RuleAlign(m_rdoalignItems->checkedId());
    page.noshade = m_chkfull->isChecked();
    page.gradient = m_chkgrad->isChecked();
    page.repeat = m_serepeat->value();
    page.colorOn = m_sbhrcolor->isChecked();
    page.color = m_shphrcolor->color();
    return page;
}

QString PageRule::html() {
    const RulePageModel page = model();
    if (!page.gradient)
        return WriteRuleMarkup(page, nullptr, host().options());
    const GradientTable* gradient = host().selectedGradient();
    if (!gradient || !CanWalkGradient(*gradient)) {
        // Nothing is written, and the clipboard keeps what it had.
        if (QStatusBar* status = host().statusLine())
            status->showMessage(tr("グラデーションには2色以上が必要です"), 5000);
        return {};
    }
    return WriteRuleMarkup(page, gradient, host().options());
}

bool PageRule::supports(PageAction action) const {
    return action == PageAction::SaveAs || action == PageAction::HtmlCopy ||
           action == PageAction::Preview;
}

std::optional<TColor> PageRule::wrapperBackground() const {
    return host().options().viewback;
}

void PageRule::capWidthToWindowShare() {
    if (m_rdowindow->isChecked())
        m_sewidth->setMaximum(RulePageModel::kMaxPercent);
}

bool PageRule::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_shphrcolor && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        shphrcolorMouseDown();
    return HtmlPage::eventFilter(watched, event);
}

void PageRule::rdopixelSelected() {
    m_sewidth->setMaximum(RulePageModel::kMaxPixels);
}

void PageRule::rdowindowClick() {
    // The box cuts a larger width to the new maximum.
    m_sewidth->setMaximum(RulePageModel::kMaxPercent);
}

void PageRule::shphrcolorMouseDown() {
    if (host().Updating())
        return;
    // Held as plain RGB, so the markup can write the window colour as well.
    m_shphrcolor->setColor(m_sbhrcolor->isChecked() ? host().CurrentColor() : WindowColorRgb());
}
