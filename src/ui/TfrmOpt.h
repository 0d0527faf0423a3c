#pragma once

#include <QDialog>

// The options dialog, shown modally by the main window's options action.
class TfrmOpt : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOpt(QWidget* parent = nullptr);
};
