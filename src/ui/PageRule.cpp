#include "ui/PageRule.h"

#include "settings/ProgramOptions.h"
#include "ui/ColorShape.h"
#include "ui/PageHost.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

namespace {

QSpinBox* Spin(QWidget* parent, const char* name, const char* accessible, int value,
               const QRect& r) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(QString::fromUtf8(accessible));
    box->setRange(1, 100);
    box->setValue(value);
    box->setGeometry(r);
    return box;
}

} // namespace

PageRule::PageRule(PageHost& host, QWidget* parent) : HtmlPage(host, parent) {
    setObjectName(QStringLiteral("TabSheet4"));

    auto* width = new QGroupBox(QStringLiteral("幅"), this);
    width->setGeometry(4, 4, 180, 96);
    m_sewidth = Spin(width, "sewidth", "幅", 100, QRect(10, 20, 60, 22));
    m_rdowindow = new QRadioButton(QStringLiteral("ウィンドウの割合"), width);
    m_rdowindow->setObjectName(QStringLiteral("rdowindow"));
    m_rdowindow->setGeometry(10, 46, 160, 20);
    m_rdowindow->setChecked(true);
    m_rdopixel = new QRadioButton(QStringLiteral("ピクセル"), width);
    m_rdopixel->setObjectName(QStringLiteral("rdopixel"));
    m_rdopixel->setGeometry(10, 68, 160, 20);

    auto* height = new QGroupBox(QStringLiteral("高さ"), this);
    height->setGeometry(190, 4, 180, 52);
    m_seheight = Spin(height, "seheight", "高さ", 2, QRect(10, 20, 60, 22));

    m_rdoalign = new QGroupBox(QStringLiteral("配置"), this);
    m_rdoalign->setObjectName(QStringLiteral("rdoalign"));
    m_rdoalign->setGeometry(190, 60, 180, 40);
    m_rdoalignItems = new QButtonGroup(m_rdoalign);
    const char* const aligns[3] = {"左", "中央", "右"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(aligns[i]), m_rdoalign);
        radio->setGeometry(10 + i * 56, 16, 54, 20);
        m_rdoalignItems->addButton(radio, i);
    }
    m_rdoalignItems->button(1)->setChecked(true);

    auto* repeat = new QGroupBox(QStringLiteral("繰り返し"), this);
    repeat->setGeometry(4, 106, 366, 52);
    m_chkgrad = new QCheckBox(QStringLiteral("グラデーション適用"), repeat);
    m_chkgrad->setObjectName(QStringLiteral("chkgrad"));
    m_chkgrad->setGeometry(10, 22, 160, 20);
    m_serepeat = Spin(repeat, "serepeat", "繰り返し", 10, QRect(186, 20, 60, 22));

    // One half-width and one full-width parenthesis: the caption as it must read.
    m_chkfull = new QCheckBox(QStringLiteral("塗りつぶし(影なし）"), this);
    m_chkfull->setObjectName(QStringLiteral("chkfull"));
    m_chkfull->setGeometry(8, 166, 180, 20);

    m_sbhrcolor = new QToolButton(this);
    m_sbhrcolor->setObjectName(QStringLiteral("sbhrcolor"));
    m_sbhrcolor->setText(QStringLiteral("色"));
    m_sbhrcolor->setCheckable(true);
    m_sbhrcolor->setGeometry(8, 194, 60, 22);
    m_shphrcolor = new ColorShape(this);
    m_shphrcolor->setObjectName(QStringLiteral("shphrcolor"));
    m_shphrcolor->setAccessibleName(QStringLiteral("色"));
    m_shphrcolor->setGeometry(72, 194, 120, 22);
}

QString PageRule::html() {
    return {};
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
        m_sewidth->setMaximum(100);
}
