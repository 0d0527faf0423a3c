#include "ui/widgets/PictureBox.h"

#include <QPaintEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setPicture(QImage picture) {
    m_picture = std::move(picture);
    update();
}

void PictureBox::clearPicture() {
    m_picture = QImage();
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), m_picture, event->rect());
}
