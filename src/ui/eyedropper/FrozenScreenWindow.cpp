#include "ui/eyedropper/FrozenScreenWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

FrozenScreenWindow::FrozenScreenWindow(const FrozenDesktop& desktop, QScreen* screen)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::BypassWindowManagerHint),
      m_screen(screen) {
    setObjectName(QStringLiteral("frozenScreen"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("スポイト"));
    const QRect geometry = screen->geometry();
    m_part = desktop.picture.copy(FrozenDesktopPart(desktop, geometry));
    m_part.setDevicePixelRatio(desktop.picture.devicePixelRatio());
    setScreen(screen);
    setGeometry(geometry);
}

QPointF FrozenScreenWindow::globalOf(const QMouseEvent* event) const {
    // The local position keeps the fraction of a logical pixel that tells
    // device pixels apart; the global one is rounded. The screen's place is
    // known where the window's own is not (Wayland).
    return QPointF(m_screen->geometry().topLeft()) + event->position();
}

void FrozenScreenWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black); // what the picture does not cover
    painter.drawImage(QPointF(0, 0), m_part);
}

void FrozenScreenWindow::mouseMoveEvent(QMouseEvent* event) {
    emit pointerMoved(globalOf(event));
}

void FrozenScreenWindow::mousePressEvent(QMouseEvent* event) {
    emit buttonPressed(globalOf(event));
}

void FrozenScreenWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    emit buttonPressed(globalOf(event));
}

void FrozenScreenWindow::mouseReleaseEvent(QMouseEvent* event) {
    emit buttonReleased(globalOf(event));
}

void FrozenScreenWindow::keyPressEvent(QKeyEvent* event) {
    emit keyPressed(event->key());
}

void FrozenScreenWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}
