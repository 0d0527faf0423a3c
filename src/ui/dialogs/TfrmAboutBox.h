#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box: the program icon, the product label, the maker's support
// page and mail labels, and OK.
class TfrmAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAboutBox(QWidget* parent = nullptr);

    // "Vellomar for Windows 98J/NT4.0J", two line breaks, "Version " and the version.
    static QString AboutText();

    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QPushButton* OKButton = nullptr;
};
