// The window program.
#include "app/DesktopIdentity.h"
#include "settings/SettingsStore.h"
#include "ui/VellomarApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellomar"));
    QApplication::setOrganizationName(QStringLiteral("Movra"));
    ApplyDesktopIdentity();
    SettingsStore store;
    VellomarApp program(store);
    return program.exec();
}
