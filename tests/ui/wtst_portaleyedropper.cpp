// The eyedropper on a real Wayland desktop: run-wayland-session paints the
// compositor's output #FFA510, and only the desktop portal's screenshot can
// read it. The compositor has no pointer, so the drag is made of events.
#include "MainWindowRig.h"
#include "sampling/SpoitCursor.h"

#include <QApplication>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

class TestWaylandEyedropper : public QObject {
    Q_OBJECT

    static QWidget* frozenWindow() {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QStringLiteral("frozenScreen") && window->isVisible())
                return window;
        return nullptr;
    }

private slots:
    void dragPicksFromTheDesktopScreenshot() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        QCOMPARE(qgetenv("VELLOMAR_PICKER"), QByteArray("portal"));
        QTemporaryDir dir;
        MainWindowRig rig(dir.filePath(QStringLiteral("v.ini")));
        rig.w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.w));
        rig.w.SetCurrentColor(0x123456);
        auto* shown = rig.w.findChild<QPushButton*>(QStringLiteral("btnrrggbb"));
        auto* status = rig.w.findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
        auto* spoit = rig.w.findChild<QWidget*>(QStringLiteral("imgspoit"));
        // The widest average: every pixel it covers must be the painted one.
        rig.w.findChild<QSlider*>(QStringLiteral("trkimglevel"))->setValue(4);

        QString failure; // shown for a few seconds only
        connect(status, &QStatusBar::messageChanged, this, [&failure](const QString& message) {
            if (!message.isEmpty())
                failure = message;
        });

        QTest::mousePress(spoit, Qt::LeftButton, {}, QPoint(5, 5));
        // The portal answers, or the eyedropper gives up, within its time-out.
        QTRY_VERIFY_WITH_TIMEOUT(frozenWindow() || !failure.isEmpty(), 20000);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QWidget* frozen = frozenWindow();
        // Wayland shows a pointer picture only when it is a pixmap.
        QCOMPARE(QApplication::overrideCursor()->hotSpot(), kSpoitHotSpot);
        QVERIFY(!QApplication::overrideCursor()->pixmap().isNull());
        // The window floats in the middle of the output; the corner is free.
        const QPoint corner(20, 20);
        QTest::mouseMove(frozen, corner);
        QCOMPARE(shown->text(), QStringLiteral("#FFA510"));
        QTest::mouseRelease(frozen, Qt::LeftButton, {}, corner);

        QCOMPARE(shown->text(), QStringLiteral("#FFA510"));
        QTRY_VERIFY(!frozenWindow());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(failure.isEmpty());
    }
};

QTEST_MAIN(TestWaylandEyedropper)
#include "wtst_portaleyedropper.moc"
