#pragma once

#include <QString>

class QWidget;

// The program's own refusals and questions: caption "確認" with the
// question icon. A refusal has one "OK" button; a question has "いいえ(&N)"
// and "OK", and only OK proceeds.
void ConfirmRefusal(QWidget* parent, const QString& text);
bool ConfirmQuestion(QWidget* parent, const QString& text);
