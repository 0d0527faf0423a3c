#include "sampling/PickerSource.h"

#include <QGuiApplication>

PickerSource ChoosePickerSource(QStringView platform, QByteArrayView pickerVariable,
                                QByteArrayView sessionType) {
    if (platform.startsWith(u"wayland") || pickerVariable == "portal" || sessionType == "wayland")
        return PickerSource::Portal;
    return PickerSource::LiveScreen;
}

PickerSource CurrentPickerSource() {
    return ChoosePickerSource(QGuiApplication::platformName(), qgetenv("VELLOMAR_PICKER"),
                              qgetenv("XDG_SESSION_TYPE"));
}
