#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// The progress dialog that long runs show while they work. Escape or the
// cancel button reject it, which cancels the run.
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
    QPushButton* m_btnCancel = nullptr;
};
