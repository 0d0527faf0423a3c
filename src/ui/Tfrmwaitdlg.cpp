#include "ui/Tfrmwaitdlg.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

Tfrmwaitdlg::Tfrmwaitdlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmwaitdlg"));
    setWindowTitle(QStringLiteral("Vellomar"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* layout = new QVBoxLayout(this);
    Label1 = new QLabel(QStringLiteral("しばらくお待ちください"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    layout->addWidget(Label1);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    layout->addWidget(ProgressBar1);
    setFixedSize(260, 90);
}
