#pragma once

#include <QDialog>

// The options dialog. It edits the option record when it is opened from the
// main window and applies the edits on OK.
class TfrmOpt : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOpt(QWidget* parent = nullptr);
};
