#include "ui/widgets/GradientMark.h"

#include "core/QtColor.h"

#include <QPainter>
#include <cstdlib>
#include <vector>

namespace {

// A line from (x0, y0) up to but not including (x1, y1), the way the mark
// outline has always been drawn.
void Line(QImage& image, int x0, int y0, int x1, int y1, QRgb color) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (x0 != x1 || y0 != y1) {
        if (image.rect().contains(x0, y0))
            image.setPixel(x0, y0, color);
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

// Fills the 4-connected area around (x, y) that is not black.
void FloodFill(QImage& image, int x, int y, QRgb color) {
    const QRgb black = qRgb(0, 0, 0);
    std::vector<bool> seen(size_t(image.width() * image.height()), false);
    std::vector<QPoint> todo{{x, y}};
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        if (!image.rect().contains(p))
            continue;
        const size_t at = size_t(p.y() * image.width() + p.x());
        if (seen[at] || image.pixel(p) == black)
            continue;
        seen[at] = true;
        image.setPixel(p, color);
        todo.push_back({p.x() + 1, p.y()});
        todo.push_back({p.x() - 1, p.y()});
        todo.push_back({p.x(), p.y() + 1});
        todo.push_back({p.x(), p.y() - 1});
    }
}

} // namespace

QImage GradientMarkPicture(TColor color, QColor buttonFace) {
    QImage image(GradientMark::kWidth, GradientMark::kHeight, QImage::Format_RGB32);
    image.fill(buttonFace.rgb());
    const QRgb black = qRgb(0, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    Line(image, 0, 0, 0, 24, black);
    Line(image, 0, 24, 10, 19, black);
    Line(image, 10, 19, 10, 0, black);
    Line(image, 10, 0, 0, 0, black);
    FloodFill(image, 2, 2, ToQRgb(color));
    Line(image, 1, 1, 1, 22, white);
    Line(image, 1, 22, 9, 18, black);
    Line(image, 1, 23, 9, 19, black);
    Line(image, 9, 19, 9, 1, black);
    Line(image, 9, 1, 8, 1, black);
    Line(image, 8, 1, 1, 1, white);
    return image;
}

GradientMark::GradientMark(int tag, QWidget* parent) : QWidget(parent), m_tag(tag) {
    setObjectName(QStringLiteral("imgmark%1").arg(tag));
    setFixedSize(kWidth, kHeight);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(tr("マーカー%1").arg(tag));
    hide();
}

void GradientMark::place(int position, TColor color) {
    m_color = color;
    m_shown = true;
    m_picture = GradientMarkPicture(color, palette().color(QPalette::Button));
    move(position, 0);
    show();
    update();
}

void GradientMark::removeStop(bool keepWidget) {
    m_shown = false;
    if (keepWidget)
        update();
    else
        hide();
}

void GradientMark::finishRemoval() {
    if (!m_shown)
        hide();
}

void GradientMark::paintEvent(QPaintEvent*) {
    if (!m_shown)
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}
