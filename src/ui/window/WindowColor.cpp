#include "ui/window/WindowColor.h"

#include <QGuiApplication>
#include <QPalette>

TColor WindowColorRgb() {
    const QColor c = QGuiApplication::palette().color(QPalette::Active, QPalette::Base);
    return RgbToColor(c.red(), c.green(), c.blue());
}
