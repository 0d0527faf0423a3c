// One window with one Japanese label: what any Qt Widgets program costs.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("色見本"));
    label.setWindowTitle(argc > 1 ? QString::fromLocal8Bit(argv[1])
                                  : QStringLiteral("Minimal window"));
    label.show();
    return QApplication::exec();
}
