#include "ui/PageTable.h"

#include "ui/ColorShape.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QSpinBox* SizeBox(QWidget* parent, const char* name, const char* caption, int x) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setGeometry(x, 6, 24, 20);
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(1, 50);
    box->setValue(7);
    box->setToolTip(QStringLiteral("テーブルの大きさ"));
    box->setAccessibleName(QString::fromUtf8(caption));
    box->setGeometry(x + 24, 4, 48, 22);
    label->setBuddy(box);
    return box;
}

QToolButton* ColorToggle(QWidget* parent, const char* name, const char* caption, int x) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QString::fromUtf8(caption));
    button->setCheckable(true);
    button->setGeometry(x, 84, 78, 22);
    return button;
}

ColorShape* Shape(QWidget* parent, const char* name, const char* caption, int x) {
    auto* shape = new ColorShape(parent);
    shape->setObjectName(QString::fromLatin1(name));
    shape->setAccessibleName(QString::fromUtf8(caption));
    shape->setGeometry(x, 108, 78, 12);
    return shape;
}

} // namespace

PageTable::PageTable(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet2"));

    SpinEdit1 = SizeBox(this, "SpinEdit1", "縦:", 4);
    SpinEdit2 = SizeBox(this, "SpinEdit2", "横:", 80);

    btntabeinit = new QPushButton(QStringLiteral("初期化"), this);
    btntabeinit->setObjectName(QStringLiteral("btntabeinit"));
    btntabeinit->setGeometry(160, 4, 60, 22);

    rdotabletarget = new QGroupBox(QStringLiteral("ターゲット"), this);
    rdotabletarget->setObjectName(QStringLiteral("rdotabletarget"));
    rdotabletarget->setGeometry(4, 28, 170, 50);
    auto* targetLayout = new QHBoxLayout(rdotabletarget);
    targetLayout->setContentsMargins(6, 2, 6, 2);
    rdotabletargetItems = new QButtonGroup(rdotabletarget);
    const char* const targets[2] = {"セル背景", "テキスト"};
    for (int i = 0; i < 2; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(targets[i]), rdotabletarget);
        rdotabletargetItems->addButton(radio, i);
        targetLayout->addWidget(radio);
    }
    rdotabletargetItems->button(0)->setChecked(true);

    btntblexec = new QPushButton(QStringLiteral("グラデーション効果"), this);
    btntblexec->setObjectName(QStringLiteral("btntblexec"));
    btntblexec->setGeometry(180, 34, 120, 25);

    // Arrows for down, right, diagonal down-right and diagonal down-left.
    static const char* const arrows[4] = {"↓", "→", "↘", "↙"};
    sbtblGroup = new QButtonGroup(this);
    sbtblGroup->setExclusive(true);
    for (int i = 0; i < 4; ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("sbtbl%1").arg(i));
        button->setText(QString::fromUtf8(arrows[i]));
        button->setToolTip(QStringLiteral("グラデーションの方向"));
        button->setAccessibleName(QStringLiteral("グラデーションの方向 %1").arg(i));
        button->setCheckable(true);
        button->setGeometry(306 + (i % 2) * 24, 28 + (i / 2) * 24, 23, 23);
        sbtblGroup->addButton(button, i);
        sbtbl[i] = button;
    }
    sbtbl[0]->setChecked(true);

    btntblcel = new QPushButton(QStringLiteral("セル色"), this);
    btntblcel->setObjectName(QStringLiteral("btntblcel"));
    btntblcel->setGeometry(4, 84, 54, 36);

    sbtblback = ColorToggle(this, "sbtblback", "背景色", 62);
    sbtblkei = ColorToggle(this, "sbtblkei", "枠線の色", 142);
    sbtblkeil = ColorToggle(this, "sbtblkeil", "枠線の明色", 222);
    sbtblkeid = ColorToggle(this, "sbtblkeid", "枠線の影色", 302);
    shptblback = Shape(this, "shptblback", "背景色", 62);
    shptblkei = Shape(this, "shptblkei", "枠線の色", 142);
    shptblkeil = Shape(this, "shptblkeil", "枠線の明色", 222);
    shptblkeid = Shape(this, "shptblkeid", "枠線の影色", 302);

    DrawGrid1 = new QTableWidget(7, 7, this);
    DrawGrid1->setObjectName(QStringLiteral("DrawGrid1"));
    DrawGrid1->setAccessibleName(QStringLiteral("テーブル"));
    DrawGrid1->horizontalHeader()->hide();
    DrawGrid1->verticalHeader()->hide();
    DrawGrid1->horizontalHeader()->setDefaultSectionSize(50);
    DrawGrid1->verticalHeader()->setDefaultSectionSize(20);
    DrawGrid1->horizontalHeader()->setMinimumSectionSize(1);
    DrawGrid1->verticalHeader()->setMinimumSectionSize(1);
    DrawGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DrawGrid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    DrawGrid1->setGeometry(4, 126, 376, 160);
}
