// The window program.
#include "ui/TfrmMain.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellomar"));
    QApplication::setOrganizationName(QStringLiteral("Movra"));
    TfrmMain window;
    window.show();
    return app.exec();
}
