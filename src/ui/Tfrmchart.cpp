#include "ui/Tfrmchart.h"

namespace {
bool g_chartVisible = false;
}

bool ChartVisible() {
    return g_chartVisible;
}

void SetChartVisible(bool visible) {
    g_chartVisible = visible;
}

Tfrmchart::Tfrmchart(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("frmchart"));
    setWindowTitle(QStringLiteral("カラーチャート"));
    resize(320, 240);
}

void Tfrmchart::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    SetChartVisible(true);
    emit visibilityChanged(true);
}

void Tfrmchart::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    SetChartVisible(false);
    emit visibilityChanged(false);
}
