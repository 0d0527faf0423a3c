#include "ui/window/CurrentColorModel.h"

CurrentColorModel::CurrentColorModel(QObject* parent) : QObject(parent) {}

void CurrentColorModel::SetCurrentColor(TColor color) {
    m_color = color;
    emit changed(color);
}

void CurrentColorModel::PickCurrentColor(TColor color) {
    SetCurrentColor(color);
    emit picked(color);
}
