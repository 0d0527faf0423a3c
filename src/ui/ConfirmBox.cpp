#include "ui/ConfirmBox.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

int ShowConfirmBox(QWidget* parent, const QString& text, bool question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("確認"), text, QMessageBox::NoButton,
                    parent);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    if (question)
        box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::RejectRole);
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
