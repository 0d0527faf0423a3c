#include "ui/PageTable.h"

#include "settings/ProgramOptions.h"
#include "ui/ColorShape.h"
#include "ui/PageHost.h"

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

PageTable::PageTable(PageHost& host, QWidget* parent) : HtmlPage(host, parent) {
    setObjectName(QStringLiteral("TabSheet2"));

    m_SpinEdit1 = SizeBox(this, "SpinEdit1", "縦:", 4);
    m_SpinEdit2 = SizeBox(this, "SpinEdit2", "横:", 80);

    m_btntabeinit = new QPushButton(QStringLiteral("初期化"), this);
    m_btntabeinit->setObjectName(QStringLiteral("btntabeinit"));
    m_btntabeinit->setGeometry(160, 4, 60, 22);

    m_rdotabletarget = new QGroupBox(QStringLiteral("ターゲット"), this);
    m_rdotabletarget->setObjectName(QStringLiteral("rdotabletarget"));
    m_rdotabletarget->setGeometry(4, 28, 170, 50);
    auto* targetLayout = new QHBoxLayout(m_rdotabletarget);
    targetLayout->setContentsMargins(6, 2, 6, 2);
    m_rdotabletargetItems = new QButtonGroup(m_rdotabletarget);
    const char* const targets[2] = {"セル背景", "テキスト"};
    for (int i = 0; i < 2; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(targets[i]), m_rdotabletarget);
        m_rdotabletargetItems->addButton(radio, i);
        targetLayout->addWidget(radio);
    }
    m_rdotabletargetItems->button(0)->setChecked(true);

    m_btntblexec = new QPushButton(QStringLiteral("グラデーション効果"), this);
    m_btntblexec->setObjectName(QStringLiteral("btntblexec"));
    m_btntblexec->setGeometry(180, 34, 120, 25);

    // Arrows for down, right, diagonal down-right and diagonal down-left.
    static const char* const arrows[4] = {"↓", "→", "↘", "↙"};
    m_sbtblGroup = new QButtonGroup(this);
    m_sbtblGroup->setExclusive(true);
    for (int i = 0; i < 4; ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("sbtbl%1").arg(i));
        button->setText(QString::fromUtf8(arrows[i]));
        button->setToolTip(QStringLiteral("グラデーションの方向"));
        button->setAccessibleName(QStringLiteral("グラデーションの方向 %1").arg(i));
        button->setCheckable(true);
        button->setGeometry(306 + (i % 2) * 24, 28 + (i / 2) * 24, 23, 23);
        m_sbtblGroup->addButton(button, i);
        m_sbtbl[i] = button;
    }
    m_sbtbl[0]->setChecked(true);

    m_btntblcel = new QPushButton(QStringLiteral("セル色"), this);
    m_btntblcel->setObjectName(QStringLiteral("btntblcel"));
    m_btntblcel->setGeometry(4, 84, 54, 36);

    m_sbtblback = ColorToggle(this, "sbtblback", "背景色", 62);
    m_sbtblkei = ColorToggle(this, "sbtblkei", "枠線の色", 142);
    m_sbtblkeil = ColorToggle(this, "sbtblkeil", "枠線の明色", 222);
    m_sbtblkeid = ColorToggle(this, "sbtblkeid", "枠線の影色", 302);
    m_shptblback = Shape(this, "shptblback", "背景色", 62);
    m_shptblkei = Shape(this, "shptblkei", "枠線の色", 142);
    m_shptblkeil = Shape(this, "shptblkeil", "枠線の明色", 222);
    m_shptblkeid = Shape(this, "shptblkeid", "枠線の影色", 302);

    m_DrawGrid1 = new QTableWidget(7, 7, this);
    m_DrawGrid1->setObjectName(QStringLiteral("DrawGrid1"));
    m_DrawGrid1->setAccessibleName(QStringLiteral("テーブル"));
    m_DrawGrid1->horizontalHeader()->hide();
    m_DrawGrid1->verticalHeader()->hide();
    m_DrawGrid1->horizontalHeader()->setDefaultSectionSize(50);
    m_DrawGrid1->verticalHeader()->setDefaultSectionSize(20);
    m_DrawGrid1->horizontalHeader()->setMinimumSectionSize(1);
    m_DrawGrid1->verticalHeader()->setMinimumSectionSize(1);
    m_DrawGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_DrawGrid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_DrawGrid1->setGeometry(4, 126, 376, 160);
}

QString PageTable::html() {
    return {};
}

bool PageTable::supports(PageAction action) const {
    return action == PageAction::SaveAs || action == PageAction::SelectAll ||
           action == PageAction::HtmlCopy || action == PageAction::Preview;
}

std::optional<TColor> PageTable::wrapperBackground() const {
    return host().options().viewback;
}

void PageTable::selectAll() {
    if (m_DrawGrid1->rowCount() > 0 && m_DrawGrid1->columnCount() > 0)
        m_DrawGrid1->setRangeSelected(QTableWidgetSelectionRange(0, 0, m_DrawGrid1->rowCount() - 1,
                                                                 m_DrawGrid1->columnCount() - 1),
                                      true);
}
