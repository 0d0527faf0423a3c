#include "ui/Tfrmchart.h"

Tfrmchart::Tfrmchart(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("frmchart"));
    setWindowTitle(QStringLiteral("カラーチャート"));
    resize(320, 240);
}

void Tfrmchart::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    emit visibilityChanged(true);
}

void Tfrmchart::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    emit visibilityChanged(false);
}
