#pragma once

#include <QWidget>

class QComboBox;
class QPushButton;
class QTextEdit;
class QToolButton;

// Page 0, gradient text: a rich-text editor with style toggles, font boxes
// and the buttons that colour the text.
class PageText : public QWidget {
    Q_OBJECT
public:
    explicit PageText(QWidget* parent = nullptr);

    QToolButton* BoldButton = nullptr;
    QToolButton* ItalicButton = nullptr;
    QToolButton* UnderlineButton = nullptr;
    QComboBox* cmbfontname = nullptr;
    QComboBox* cmbfontsize = nullptr;
    QTextEdit* RichEdit1 = nullptr;
    QPushButton* btngratxt = nullptr;
    QPushButton* btngratxtexec = nullptr;
    QPushButton* btngratxtback = nullptr;
};
