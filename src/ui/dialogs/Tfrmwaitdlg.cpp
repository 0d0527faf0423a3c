#include "ui/dialogs/Tfrmwaitdlg.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
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
    setFixedSize(260, 90);
}

void Tfrmwaitdlg::begin(int maximum) {
    m_ProgressBar1->setRange(0, std::max(maximum, 1));
    m_ProgressBar1->setValue(0);
    show();
    QCoreApplication::processEvents();
}

void Tfrmwaitdlg::advance(int position) {
    m_ProgressBar1->setValue(position);
    QCoreApplication::processEvents();
}

void Tfrmwaitdlg::end() {
    hide();
}
