#include "ui/PageRule.h"

#include "ui/ColorShape.h"

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

PageRule::PageRule(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet4"));

    auto* width = new QGroupBox(QStringLiteral("幅"), this);
    width->setGeometry(4, 4, 180, 96);
    sewidth = Spin(width, "sewidth", "幅", 100, QRect(10, 20, 60, 22));
    rdowindow = new QRadioButton(QStringLiteral("ウィンドウの割合"), width);
    rdowindow->setObjectName(QStringLiteral("rdowindow"));
    rdowindow->setGeometry(10, 46, 160, 20);
    rdowindow->setChecked(true);
    rdopixel = new QRadioButton(QStringLiteral("ピクセル"), width);
    rdopixel->setObjectName(QStringLiteral("rdopixel"));
    rdopixel->setGeometry(10, 68, 160, 20);

    auto* height = new QGroupBox(QStringLiteral("高さ"), this);
    height->setGeometry(190, 4, 180, 52);
    seheight = Spin(height, "seheight", "高さ", 2, QRect(10, 20, 60, 22));

    rdoalign = new QGroupBox(QStringLiteral("配置"), this);
    rdoalign->setObjectName(QStringLiteral("rdoalign"));
    rdoalign->setGeometry(190, 60, 180, 40);
    rdoalignItems = new QButtonGroup(rdoalign);
    const char* const aligns[3] = {"左", "中央", "右"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(aligns[i]), rdoalign);
        radio->setGeometry(10 + i * 56, 16, 54, 20);
        rdoalignItems->addButton(radio, i);
    }
    rdoalignItems->button(1)->setChecked(true);

    auto* repeat = new QGroupBox(QStringLiteral("繰り返し"), this);
    repeat->setGeometry(4, 106, 366, 52);
    chkgrad = new QCheckBox(QStringLiteral("グラデーション適用"), repeat);
    chkgrad->setObjectName(QStringLiteral("chkgrad"));
    chkgrad->setGeometry(10, 22, 160, 20);
    serepeat = Spin(repeat, "serepeat", "繰り返し", 10, QRect(186, 20, 60, 22));

    chkfull = new QCheckBox(QStringLiteral("塗りつぶし(影なし）"), this);
    chkfull->setObjectName(QStringLiteral("chkfull"));
    chkfull->setGeometry(8, 166, 180, 20);

    sbhrcolor = new QToolButton(this);
    sbhrcolor->setObjectName(QStringLiteral("sbhrcolor"));
    sbhrcolor->setText(QStringLiteral("色"));
    sbhrcolor->setCheckable(true);
    sbhrcolor->setGeometry(8, 194, 60, 22);
    shphrcolor = new ColorShape(this);
    shphrcolor->setObjectName(QStringLiteral("shphrcolor"));
    shphrcolor->setAccessibleName(QStringLiteral("色"));
    shphrcolor->setGeometry(72, 194, 120, 22);
}
