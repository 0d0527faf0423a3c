// The eyedropper over a desktop screenshot: a mock portal on a private bus
// hands over a picture of known colour blocks, and the drag runs over the
// frozen picture instead of the live screen.
#include "../sampling/MockPortalBus.h"
#include "sampling/PortalScreenshot.h"
#include "sampling/SpoitCursor.h"
#include "settings/SettingsStore.h"
#include "ui/eyedropper/Eyedropper.h"
#include "ui/window/ProgramState.h"
#include "ui/window/TfrmMain.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace std::chrono_literals;

class TestPortalEyedropper : public QObject {
    Q_OBJECT

    MockPortalBus m_bus;
    QSize m_screen;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<ProgramState> m_state;
    std::unique_ptr<TfrmMain> m_window;

    Eyedropper* eyedropper() {
        return m_window->findChild<Eyedropper*>(QStringLiteral("pnlEyedropper"));
    }
    QWidget* imgspoit() { return m_window->findChild<QWidget*>(QStringLiteral("imgspoit")); }
    QString shown() {
        return m_window->findChild<QPushButton*>(QStringLiteral("btnrrggbb"))->text();
    }
    QString status() {
        return m_window->findChild<QStatusBar*>(QStringLiteral("StatusBar1"))->currentMessage();
    }
    static QWidget* frozenWindow() {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QStringLiteral("frozenScreen") && window->isVisible())
                return window;
        return nullptr;
    }
    QStringList levelTexts() {
        QStringList texts;
        for (TColor level : eyedropper()->levelColors())
            texts << ColorToHtml(level);
        return texts;
    }
    void startMock(const char* mode) {
        const QString error =
            m_bus.startMock(QString::fromLatin1(mode), m_screen.width(), m_screen.height());
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
    // The shot's top-left block is #FFA510, the top-right one black.
    QPoint orange() const { return QPoint(m_screen.width() / 4, m_screen.height() / 4); }
    // Three device pixels left of the black block: the two widest squares reach it.
    QPoint edge() const { return QPoint(m_screen.width() / 2 - 3, m_screen.height() / 4); }

private slots:
    void initTestCase() {
        qputenv("VELLOMAR_PICKER", "portal");
        const QString error = m_bus.startBus();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.address().toLocal8Bit());
        QVERIFY(QGuiApplication::primaryScreen());
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 1.0);
        m_screen = QGuiApplication::primaryScreen()->geometry().size();
    }

    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_store = std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("v.ini")));
        m_state = std::make_unique<ProgramState>(*m_store);
        m_window = std::make_unique<TfrmMain>(*m_state);
        m_window->move(0, 0);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->SetCurrentColor(0x123456);
    }

    void cleanup() {
        m_window.reset();
        m_state.reset();
        m_store.reset();
        m_dir.reset();
        QTRY_VERIFY(!frozenWindow());
    }

    void dragOverTheFrozenPictureGivesTheLevels() {
        startMock("answer");
        eyedropper()->findChild<QSlider*>(QStringLiteral("trkimglevel"))->setValue(3);
        QTest::mousePress(imgspoit(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(eyedropper()->Sampling());
        QTRY_VERIFY(frozenWindow());
        QWidget* frozen = frozenWindow();
        QCOMPARE(frozen->geometry(), QGuiApplication::primaryScreen()->geometry());
        QCOMPARE(QWidget::mouseGrabber(), frozen);
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->hotSpot(), kSpoitHotSpot);

        QTest::mouseMove(frozen, orange());
        QCOMPARE(levelTexts(), QStringList(5, QStringLiteral("#FFA510")));
        QCOMPARE(shown(), QStringLiteral("#FFA510"));
        QTest::mouseMove(frozen, edge());
        QCOMPARE(levelTexts(),
                 QStringList({"#FFA510", "#FFA510", "#FFA510", "#DA8D0D", "#C6800C"}));
        QCOMPARE(shown(), QStringLiteral("#DA8D0D"));
        // One device pixel right per key: the level-2 square reaches black.
        QTest::keyClick(frozen, Qt::Key_Right);
        QCOMPARE(levelTexts()[2], QStringLiteral("#CC840C"));
        QTest::mouseMove(frozen, orange());
        QTest::mouseRelease(frozen, Qt::LeftButton, {}, orange());

        QCOMPARE(shown(), QStringLiteral("#FFA510"));
        QVERIFY(!eyedropper()->Sampling());
        QTRY_VERIFY(!frozenWindow());
        QVERIFY(!QWidget::mouseGrabber());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY2(m_bus.shotsLeft().isEmpty(), qPrintable(m_bus.shotsLeft().join(' ')));
    }

    void clickWhenThePictureComesAndEscape() {
        startMock("answer");
        // Released before the picture came: a click on it picks.
        QTest::mouseClick(imgspoit(), Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_VERIFY(frozenWindow());
        QTest::mouseMove(frozenWindow(), orange());
        QTest::mouseClick(frozenWindow(), Qt::LeftButton, {}, orange());
        QCOMPARE(shown(), QStringLiteral("#FFA510"));
        QTRY_VERIFY(!frozenWindow());

        // Escape brings back the colour and the levels from before the press.
        m_window->SetCurrentColor(0x123456);
        const LevelColors before = eyedropper()->levelColors();
        QTest::mousePress(imgspoit(), Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_VERIFY(frozenWindow());
        QWidget* frozen = frozenWindow();
        QTest::mouseMove(frozen, QPoint(m_screen.width() / 4, m_screen.height() * 3 / 4));
        QCOMPARE(shown(), QStringLiteral("#1040C0"));
        QTest::keyClick(frozen, Qt::Key_Escape);
        QCOMPARE(m_window->CurrentColor(), TColor(0x123456));
        QVERIFY(eyedropper()->levelColors() == before);
        QVERIFY(!eyedropper()->Sampling());
        QVERIFY(!QApplication::overrideCursor());
        QTest::mouseRelease(frozen, Qt::LeftButton, {}, orange());
        QCOMPARE(m_window->CurrentColor(), TColor(0x123456));
        QTRY_VERIFY(!frozenWindow());

        // Closed by the desktop, as Escape: its grabs are gone.
        QTest::mouseClick(imgspoit(), Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_VERIFY(frozenWindow());
        frozenWindow()->close();
        QVERIFY(!eyedropper()->Sampling());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(m_bus.shotsLeft().isEmpty());
    }

    void refusalAndTimeoutLeaveTheColour() {
        startMock("refuse");
        QTest::mousePress(imgspoit(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QTest::mouseRelease(imgspoit(), Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_COMPARE(status(), PortalFailureText(PortalScreenshot::Failure::Refused));
        QVERIFY(!eyedropper()->Sampling());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!frozenWindow());
        QCOMPARE(m_window->CurrentColor(), TColor(0x123456));

        startMock("silent");
        eyedropper()->setPortalTimeout(300ms);
        QTest::mousePress(imgspoit(), Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_COMPARE(status(), PortalFailureText(PortalScreenshot::Failure::TimedOut));
        QTest::mouseRelease(imgspoit(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!eyedropper()->Sampling());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!frozenWindow());
        QCOMPARE(m_window->CurrentColor(), TColor(0x123456));
        QVERIFY(m_bus.shotsLeft().isEmpty());
    }

    void closingTheWindowWhileWaitingDropsTheRequest() {
        startMock("silent");
        QTest::mousePress(imgspoit(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(QApplication::overrideCursor());
        m_window.reset();
        QVERIFY(!QApplication::overrideCursor());
        QString line;
        QVERIFY(MockPortalBus::ReadLine(m_bus.mock(), line));
        QVERIFY2(line.startsWith(QStringLiteral("closed ")), qPrintable(line));
    }
};

QTEST_MAIN(TestPortalEyedropper)
#include "xtst_portaleyedropper.moc"
