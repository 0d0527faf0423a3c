#include "ui/dialogs/Tfrmwaitdlg.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

Tfrmwaitdlg::Tfrmwaitdlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmwaitdlg"));
    setWindowTitle(QStringLiteral("Vellomar"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* layout = new QVBoxLayout(this);
    m_Label1 = new QLabel(tr("しばらくお待ちください"), this);
    m_Label1->setObjectName(QStringLiteral("Label1"));
    m_Label1->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_Label1);
    m_ProgressBar1 = new QProgressBar(this);
    m_ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    m_ProgressBar1->setRange(0, 100);
    m_ProgressBar1->setValue(0);
    layout->addWidget(m_ProgressBar1);
    m_btnCancel = new QPushButton(tr("キャンセル"), this);
    m_btnCancel->setObjectName(QStringLiteral("btnCancel"));
    m_btnCancel->setAutoDefault(false);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(m_btnCancel, 0, Qt::AlignCenter);
    setFixedSize(260, 120);
}

void Tfrmwaitdlg::begin(int maximum) {
    m_ProgressBar1->setRange(0, std::max(maximum, 1));
    m_ProgressBar1->setValue(0);
    show();
}

void Tfrmwaitdlg::advance(int position) {
    m_ProgressBar1->setValue(position);
}

void Tfrmwaitdlg::end() {
    hide();
}
