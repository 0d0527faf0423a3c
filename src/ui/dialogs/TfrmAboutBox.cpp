#include "ui/dialogs/TfrmAboutBox.h"

#include "Version.h"
#include "ui/widgets/GlyphIcons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

TfrmAboutBox::TfrmAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("バージョン情報"));
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
    // The maker's support page and mail box have no addresses yet, so the
    // two labels name them and open nothing.
    const std::pair<const char*, QString> contacts[] = {{"lblsupport", tr("サポートページ")},
                                                        {"lblmail", tr("作者へのメール")}};
    for (const auto& [name, text] : contacts) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QLatin1String(name));
        label->setTextFormat(Qt::PlainText);
        layout->addWidget(label, 0, Qt::AlignHCenter);
    }
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
