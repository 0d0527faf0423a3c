#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

// The progress dialog that long operations show while they run.
class Tfrmwaitdlg : public QDialog {
    Q_OBJECT
public:
    explicit Tfrmwaitdlg(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
};
