#include "app/DesktopIdentity.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>

void ApplyDesktopIdentity() {
    // Wayland compositors and task bars match windows to the entry by this.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.movra.Vellomar"));
    // The embedded sizes are the pictures the icon theme gets at install, so
    // the program looks the same when run from its build folder.
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    // Named with their size ("48x48/apps/…"), so that none is decoded before
    // a window asks for that size.
    while (sizes.hasNext()) {
        const QString file = sizes.next();
        const QString folder = file.section(QLatin1Char('/'), -3, -3);
        const int side = folder.section(QLatin1Char('x'), 0, 0).toInt();
        icon.addFile(file, side > 0 ? QSize(side, side) : QSize());
    }
    QApplication::setWindowIcon(icon);
}
