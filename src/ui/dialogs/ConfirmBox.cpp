#include "ui/dialogs/ConfirmBox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

int ShowConfirmBox(QWidget* parent, const QString& text, bool question) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("ConfirmBox", "確認"), text,
                    QMessageBox::NoButton, parent);
    // One role for both keeps them in the order added, "No" first, whatever
    // order the desktop gives to accept and reject buttons.
    if (question) {
        QPushButton* no = box.addButton(QCoreApplication::translate("ConfirmBox", "いいえ(&N)"),
                                        QMessageBox::ActionRole);
        box.setEscapeButton(no);
    }
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::ActionRole);
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
