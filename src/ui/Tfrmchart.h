#pragma once

#include <QWidget>

// The colour chart window, a sizeable tool window shown and hidden by the
// main window's chart action.
class Tfrmchart : public QWidget {
    Q_OBJECT
public:
    explicit Tfrmchart(QWidget* parent = nullptr);

signals:
    void visibilityChanged(bool visible);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};
