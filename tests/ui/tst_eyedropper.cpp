// The eyedropper at two device pixels per logical pixel, reading a picture
// taken earlier instead of the screen: the arrow keys step by one device
// pixel, which the pointer itself cannot reach. And a screen that cannot be
// read at all.
#include "sampling/ScreenSampler.h"
#include "ui/eyedropper/Eyedropper.h"
#include "ui/window/CurrentColorModel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

class TestEyedropper : public QObject {
    Q_OBJECT

    // Pixel (x, y) has red x and green y.
    static QImage Coordinates() {
        QImage picture(200, 200, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, qRgb(x, y, 7));
        picture.setDevicePixelRatio(2);
        return picture;
    }

    static void send(QWidget* target, QEvent::Type type, QPointF global) {
        QMouseEvent event(type, target->mapFromGlobal(global), global, Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

private slots:
    void arrowKeysStepByDevicePixels() {
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
        CurrentColorModel model;
        QWidget host;
        auto* eyedropper = new Eyedropper(model, &host);
        eyedropper->setSampler(std::make_unique<FrozenImageSampler>(Coordinates()));
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QWidget* spoit = eyedropper->findChild<QWidget*>(QStringLiteral("imgspoit"));

        send(spoit, QEvent::MouseButtonPress, spoit->mapToGlobal(QPointF(3, 3)));
        send(spoit, QEvent::MouseMove, QPointF(30.5, 20));
        QCOMPARE(model.CurrentColor(), RgbToColor(61, 40, 7));
        QTest::keyClick(spoit, Qt::Key_Right);
        QCOMPARE(model.CurrentColor(), RgbToColor(62, 40, 7));
        QTest::keyClick(spoit, Qt::Key_Up);
        QTest::keyClick(spoit, Qt::Key_Up);
        QTest::keyClick(spoit, Qt::Key_Left);
        QCOMPARE(model.CurrentColor(), RgbToColor(61, 38, 7));
        // A move of the pointer starts again from where it is.
        send(spoit, QEvent::MouseMove, QPointF(50, 50));
        QCOMPARE(model.CurrentColor(), RgbToColor(100, 100, 7));
        QTest::keyClick(spoit, Qt::Key_Down);
        QCOMPARE(model.CurrentColor(), RgbToColor(100, 101, 7));
        QTest::keyClick(spoit, Qt::Key_Escape);
        QVERIFY(!eyedropper->Sampling());
        QCOMPARE(model.CurrentColor(), RgbToColor(100, 101, 7));
    }

    void unreadableScreenKeepsTheLastSampleAndSaysSo() {
        struct Refusing : ScreenSampler {
            std::optional<SampleGrid> sample(QPointF, QPoint) override { return std::nullopt; }
        };
        CurrentColorModel model;
        QWidget host;
        auto* eyedropper = new Eyedropper(model, &host);
        eyedropper->setSampler(std::make_unique<FrozenImageSampler>(Coordinates()));
        QWidget* spoit = eyedropper->findChild<QWidget*>(QStringLiteral("imgspoit"));
        QSignalSpy unreadable(eyedropper, &Eyedropper::screenUnreadable);
        send(spoit, QEvent::MouseButtonPress, QPointF(0, 0));
        send(spoit, QEvent::MouseMove, QPointF(20, 20));
        send(spoit, QEvent::MouseButtonRelease, QPointF(20, 20));
        QCOMPARE(unreadable.count(), 0);

        eyedropper->setSampler(std::make_unique<Refusing>());
        send(spoit, QEvent::MouseButtonPress, QPointF(0, 0));
        send(spoit, QEvent::MouseMove, QPointF(60, 60));
        QCOMPARE(model.CurrentColor(), RgbToColor(40, 40, 7));
        send(spoit, QEvent::MouseButtonRelease, QPointF(60, 60));
        QCOMPARE(model.CurrentColor(), RgbToColor(40, 40, 7));
        QCOMPARE(eyedropper->levelColors()[0], RgbToColor(40, 40, 7));
        QCOMPARE(unreadable.count(), 1);
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    // The live path, whatever desktop the tests run on.
    qunsetenv("VELLOMAR_PICKER");
    qunsetenv("XDG_SESSION_TYPE");
    QApplication app(argc, argv);
    TestEyedropper test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_eyedropper.moc"
