#include "ui/TfrmAboutBox.h"

#include "Version.h"
#include "ui/GlyphIcons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmAboutBox::TfrmAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    ProgramIcon = new QLabel(this);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setPixmap(::ProgramIcon().pixmap(32, 32));
    ProgramIcon->setAlignment(Qt::AlignTop);
    row->addWidget(ProgramIcon);
    ProductName =
        new QLabel(QString(AboutText()).replace(QLatin1Char('\r'), QLatin1Char('\n')), this);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    ProductName->setTextFormat(Qt::PlainText);
    row->addWidget(ProductName, 1);
    layout->addLayout(row);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint().expandedTo(QSize(300, 140)));
}

QString TfrmAboutBox::AboutText() {
    // Two carriage returns: the product label breaks after each.
    return QStringLiteral("Vellomar for Windows 98J/NT4.0J\r\rVersion " VELLOMAR_VERSION);
}
