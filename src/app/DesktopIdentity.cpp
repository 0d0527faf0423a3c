#include "app/DesktopIdentity.h"

#include "ui/widgets/DeferredIcon.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>

void ApplyDesktopIdentity() {
    // Wayland compositors and task bars match windows to the entry by this.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.movra.Vellomar"));
    // The embedded sizes are the pictures the icon theme gets at install, so
    // the program looks the same when run from its build folder. No name
    // filter: matching one would load the regular expression library.
    QStringList files;
    QDirIterator sizes(QStringLiteral(":/icons"), QDir::Files, QDirIterator::Subdirectories);
    while (sizes.hasNext()) {
        const QString file = sizes.next();
        if (file.endsWith(QLatin1String(".png")))
            files << file;
    }
    if (files.isEmpty())
        return;
    // QIcon::addFile decodes every picture at once: read them when a window
    // first needs one.
    QApplication::setWindowIcon(DeferredIcon([files] {
        QIcon icon;
        for (const QString& file : files)
            icon.addFile(file);
        return icon;
    }));
}
