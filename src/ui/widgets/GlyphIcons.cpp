#include "ui/widgets/GlyphIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

void DrawPage(QPainter& p, int x, int y, int w, int h) {
    p.setBrush(Qt::white);
    p.drawRect(x, y, w, h);
}

void DrawGlobe(QPainter& p, const QString& digit) {
    p.setBrush(QColor(0x60, 0xA0, 0xE0));
    p.drawEllipse(1, 1, 13, 13);
    p.drawLine(1, 7, 14, 7);
    p.drawEllipse(4, 1, 7, 13);
    QFont f = p.font();
    f.setPixelSize(9);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::black);
    p.fillRect(9, 8, 7, 8, Qt::white);
    p.drawText(QRect(9, 8, 7, 8), Qt::AlignCenter, digit);
}

void Draw(QPainter& p, Glyph glyph) {
    p.setPen(QPen(Qt::black, 1));
    switch (glyph) {
    case Glyph::None:
        break;
    case Glyph::Save:
        p.setBrush(QColor(0x30, 0x30, 0x90));
        p.drawRect(1, 1, 13, 13);
        p.setBrush(Qt::white);
        p.drawRect(4, 1, 7, 5);
        p.setBrush(QColor(0xC0, 0xC0, 0xC0));
        p.drawRect(4, 9, 7, 5);
        break;
    case Glyph::Cut:
        p.drawLine(4, 1, 10, 10);
        p.drawLine(11, 1, 5, 10);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(1, 10, 4, 4);
        p.drawEllipse(10, 10, 4, 4);
        break;
    case Glyph::Copy:
        DrawPage(p, 1, 1, 8, 10);
        DrawPage(p, 6, 5, 8, 10);
        break;
    case Glyph::Paste:
        p.setBrush(QColor(0xB0, 0x80, 0x40));
        p.drawRect(1, 2, 10, 12);
        p.setBrush(QColor(0x80, 0x80, 0x80));
        p.drawRect(4, 1, 4, 2);
        DrawPage(p, 7, 6, 8, 9);
        break;
    case Glyph::HtmlCopy: {
        DrawPage(p, 1, 1, 13, 13);
        QFont f = p.font();
        f.setPixelSize(8);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRect(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("</>"));
        break;
    }
    case Glyph::Browser1:
        DrawGlobe(p, QStringLiteral("1"));
        break;
    case Glyph::Browser2:
        DrawGlobe(p, QStringLiteral("2"));
        break;
    case Glyph::Chart: {
        static const QColor colors[4] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
        for (int i = 0; i < 4; ++i) {
            p.setBrush(colors[i]);
            p.drawRect(1 + (i % 2) * 7, 1 + (i / 2) * 7, 6, 6);
        }
        break;
    }
    case Glyph::Help: {
        p.setBrush(QColor(0xFF, 0xFF, 0xC0));
        p.drawEllipse(1, 1, 13, 13);
        QFont f = p.font();
        f.setPixelSize(11);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(0x00, 0x00, 0x80));
        p.drawText(QRect(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    }
}

} // namespace

QIcon GlyphIcon(Glyph glyph) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    Draw(painter, glyph);
    painter.end();
    return QIcon(pixmap);
}

QIcon ProgramIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 32, 32);
    gradient.setColorAt(0.0, QColor(0xFF, 0x40, 0x40));
    gradient.setColorAt(0.5, QColor(0x40, 0xC0, 0x40));
    gradient.setColorAt(1.0, QColor(0x40, 0x40, 0xFF));
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(gradient);
    p.drawRoundedRect(QRectF(2, 2, 28, 28), 6, 6);
    QFont f = p.font();
    f.setPixelSize(20);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("V"));
    p.end();
    return QIcon(pixmap);
}
