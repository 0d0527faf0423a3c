// The window program.
#include "settings/SettingsStore.h"
#include "ui/TfrmMain.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellomar"));
    QApplication::setOrganizationName(QStringLiteral("Movra"));
    SettingsStore store;
    TfrmMain window(store);
    window.show();
    return app.exec();
}
