#include "ui/TfrmOpt.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

TfrmOpt::TfrmOpt(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmOpt"));
    setWindowTitle(QStringLiteral("オプション"));
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    // A dialog border: its placement restores the position only.
    setFixedSize(382, 270);
}
