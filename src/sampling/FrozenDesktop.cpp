#include "sampling/FrozenDesktop.h"

#include <cmath>

FrozenDesktop FrozenDesktopFor(QImage shot, const QList<QRect>& screens) {
    QRect bounds;
    for (const QRect& screen : screens)
        bounds |= screen;
    FrozenDesktop desktop{std::move(shot), bounds.topLeft()};
    qreal ratio = 1.0;
    if (!bounds.isEmpty() && !desktop.picture.isNull())
        ratio = qreal(desktop.picture.width()) / bounds.width();
    desktop.picture.setDevicePixelRatio(ratio);
    return desktop;
}

QRect FrozenDesktopPart(const FrozenDesktop& desktop, QRect screen) {
    const qreal ratio = desktop.picture.devicePixelRatio();
    const QPointF from = QPointF(screen.topLeft() - desktop.origin) * ratio;
    const QPointF to =
        QPointF(screen.topLeft() + QPoint(screen.width(), screen.height()) - desktop.origin) *
        ratio;
    const QRect part(QPoint(int(std::round(from.x())), int(std::round(from.y()))),
                     QPoint(int(std::round(to.x())) - 1, int(std::round(to.y())) - 1));
    return part & desktop.picture.rect();
}
