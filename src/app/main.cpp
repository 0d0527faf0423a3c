// The window program.
#include "app/DesktopIdentity.h"
#include "app/WindowCommandLine.h"
#include "settings/SettingsStore.h"
#include "ui/window/VellomarApp.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const WindowCommandLine line = ParseWindowCommandLine(arguments);
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "vellomar: %s\n", qPrintable(line.error));
        return 2;
    }
    if (line.help) {
        std::fputs(qPrintable(WindowUsage()), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellomar"));
    QApplication::setOrganizationName(QStringLiteral("Movra"));
    ApplyDesktopIdentity();
    SettingsStore store;
    VellomarApp program(store, line.language.value_or(SystemInterfaceLanguage()));
    return program.exec();
}
