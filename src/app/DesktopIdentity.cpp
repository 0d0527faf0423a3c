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
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    QApplication::setWindowIcon(icon);
}
