#include "ui/widgets/GradientPicker.h"

#include "gradient/GradientListOps.h"
#include "gradient/GradientTableList.h"
#include "ui/widgets/GradientBar.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>

GradientPicker::GradientPicker(GradientTableList& list, QWidget* parent)
    : QWidget(parent), m_list(list) {
    setObjectName(QStringLiteral("pnlGradient"));
    m_cmbgra = new QComboBox(this);
    m_cmbgra->setObjectName(QStringLiteral("cmbgra"));
    m_cmbgra->setToolTip(tr("グラデーションテーブル"));
    m_cmbgra->setAccessibleName(tr("グラデーションテーブル"));
    m_cmbgra->setGeometry(0, 1, 300, 22);
    // Both a new selection and a click on the list redraw the preview.
    connect(m_cmbgra, &QComboBox::currentIndexChanged, this, &GradientPicker::redraw);
    connect(m_cmbgra, &QComboBox::activated, this, &GradientPicker::redraw);
    connect(m_cmbgra, &QComboBox::currentIndexChanged, this, &GradientPicker::selectionChanged);

    m_imgtruecolor = new GradientBar(300, 25, this);
    m_imgtruecolor->setObjectName(QStringLiteral("imgtruecolor"));
    m_imgtruecolor->setAccessibleName(tr("グラデーション"));
    m_imgtruecolor->move(0, 31);

    m_btngraedit = new QPushButton(tr("編集(&E).."), this);
    m_btngraedit->setObjectName(QStringLiteral("btngraedit"));
    m_btngraedit->setGeometry(306, 0, 75, 24);
    connect(m_btngraedit, &QPushButton::clicked, this, &GradientPicker::editRequested);
    setFixedSize(381, 56);
}

void GradientPicker::fill() {
    {
        const QSignalBlocker blocker(m_cmbgra);
        m_cmbgra->clear();
        m_cmbgra->addItems(FillGradientNames(m_list));
        m_cmbgra->setCurrentIndex(0);
    }
    redraw();
    emit selectionChanged();
}

void GradientPicker::redraw() {
    const GradientTable* table = selectedTable();
    if (!table) {
        m_imgtruecolor->clear();
        return;
    }
    m_imgtruecolor->draw(table->stops());
}

void GradientPicker::setInterpolation(GradientInterpolation interpolation) {
    m_imgtruecolor->setInterpolation(interpolation);
    redraw();
}

const GradientTable* GradientPicker::selectedTable() const {
    const int index = m_cmbgra->currentIndex();
    return m_list.isValidIndex(index) ? &m_list.slot(index) : nullptr;
}
