#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

// The progress dialog that long operations show while they run. Between
// items the operation calls advance(), which lets pending events through.
class Tfrmwaitdlg : public QDialog {
    Q_OBJECT
public:
    explicit Tfrmwaitdlg(QWidget* parent = nullptr);

    // Shows the dialog with the bar at 0 of `maximum`.
    void begin(int maximum);
    void advance(int position);
    void end();

private:
    QLabel* m_Label1 = nullptr;
    QProgressBar* m_ProgressBar1 = nullptr;
};
