#include "ui/ConfirmBox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

int ShowConfirmBox(QWidget* parent, const QString& text, bool question) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("ConfirmBox", "確認"), text,
                    QMessageBox::NoButton, parent);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    if (question)
        box.addButton(QCoreApplication::translate("ConfirmBox", "いいえ(&N)"),
                      QMessageBox::RejectRole);
    box.setDefaultButton(ok);
    box.exec();
    return box.clickedButton() == ok;
}

} // namespace

void ConfirmRefusal(QWidget* parent, const QString& text) {
    ShowConfirmBox(parent, text, false);
}

bool ConfirmQuestion(QWidget* parent, const QString& text) {
    return ShowConfirmBox(parent, text, true);
}
