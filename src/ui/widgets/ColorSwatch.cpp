#include "ui/widgets/ColorSwatch.h"

#include "core/QtColor.h"

#include <QPainter>

ColorSwatch::ColorSwatch(QWidget* parent) : QWidget(parent) {}

void ColorSwatch::fill(TColor color) {
    m_color = color;
    m_painted = true;
    update();
}

void ColorSwatch::paintEvent(QPaintEvent*) {
    if (!m_painted)
        return;
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(m_color));
}
