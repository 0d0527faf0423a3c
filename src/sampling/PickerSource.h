#pragma once

#include <QByteArrayView>
#include <QStringView>

// Where the eyedropper reads colours: the live screen, or one screenshot the
// desktop portal hands over (Wayland, where programs cannot read the screen).
enum class PickerSource { LiveScreen, Portal };

// `platform` is QGuiApplication::platformName(); `pickerVariable` is
// VELLOMAR_PICKER ("portal" forces the portal); `sessionType` is
// XDG_SESSION_TYPE, which is "wayland" for an X11 program under XWayland,
// whose screen grabs read black over Wayland windows.
PickerSource ChoosePickerSource(QStringView platform, QByteArrayView pickerVariable,
                                QByteArrayView sessionType);

// The choice for this process and its environment. Needs a QGuiApplication.
PickerSource CurrentPickerSource();
