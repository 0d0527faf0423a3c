#pragma once

#include "sampling/ChartGrid.h"

#include <QFont>
#include <QWidget>
#include <optional>

class CurrentColorModel;
class PictureBox;

// The colour chart window, a sizeable tool window shown and hidden by the
// main window's chart action. The chart is measured and drawn once, when the
// window is first shown. Pointing at a cell
// highlights its label and a press with any button makes its colour current.
class Tfrmchart : public QWidget {
    Q_OBJECT
public:
    explicit Tfrmchart(CurrentColorModel& model, QWidget* parent = nullptr);

    bool ChartVisible() const { return isVisible(); }
    // The cells' measures, known once the window has been shown.
    const ChartGeometry& chartGeometry() const { return m_geometry; }

signals:
    void visibilityChanged(bool visible);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void DrawChart();
    void Image1MouseMove(QPoint position);
    void Image1MouseDown(QPoint position);
    void drawLabel(const ChartCell& cell, bool highlighted);

    CurrentColorModel& m_model;
    PictureBox* m_Image1 = nullptr;
    QFont m_chartFont;
    ChartGeometry m_geometry;
    bool m_ready = false;
    std::optional<ChartCell> m_highlighted;
};
