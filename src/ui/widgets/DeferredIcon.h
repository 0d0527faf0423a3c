#pragma once

#include <QIcon>
#include <QStyle>

#include <functional>

// An icon whose pictures are made by load the first time a window needs
// one: reading files or the desktop's icon theme then costs nothing at
// start for an icon that is never drawn.
QIcon DeferredIcon(std::function<QIcon()> load);

// The application style's standard icon, looked up when first drawn.
QIcon DeferredStandardIcon(QStyle::StandardPixmap icon);
