#include "ui/widgets/GradientBar.h"

#include "core/QtColor.h"
#include "gradient/DrawGradient.h"

#include <QMouseEvent>
#include <QPainter>

GradientBar::GradientBar(int width, int height, QWidget* parent)
    : QWidget(parent), m_image(width, height, QImage::Format_RGB32) {
    setFixedSize(width, height);
    clear();
}

void GradientBar::draw(std::span<const GradientStop> stops) {
    DrawGradient(
        stops, m_image.width(),
        [this](int x, TColor color) {
            const QRgb rgb = ToQRgb(color);
            for (int y = 0; y < m_image.height(); ++y)
                m_image.setPixel(x, y, rgb);
        },
        m_interpolation);
    update();
}

void GradientBar::clear() {
    m_image.fill(Qt::white);
    update();
}

void GradientBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}

void GradientBar::mousePressEvent(QMouseEvent* event) {
    event->accept();
}
