#include "ui/window/WindowColor.h"

#include "core/QtColor.h"

#include <QGuiApplication>
#include <QPalette>

TColor WindowColorRgb() {
    return FromQColor(QGuiApplication::palette().color(QPalette::Active, QPalette::Base));
}
