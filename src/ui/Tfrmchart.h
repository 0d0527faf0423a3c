#pragma once

#include <QWidget>

// True while the colour chart window is shown.
bool ChartVisible();
void SetChartVisible(bool visible);

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
