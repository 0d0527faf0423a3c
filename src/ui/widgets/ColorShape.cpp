#include "ui/widgets/ColorShape.h"

#include <QMouseEvent>
#include <QPainter>

ColorShape::ColorShape(QWidget* parent) : QWidget(parent) {}

void ColorShape::setColor(TColor color) {
    if (color == m_color)
        return;
    m_color = color;
    update();
    emit colorChanged(color);
}

void ColorShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(QColor(ColorRed(m_color), ColorGreen(m_color), ColorBlue(m_color)));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ColorShape::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit pressed();
    QWidget::mousePressEvent(event);
}
