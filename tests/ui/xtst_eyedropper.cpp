// The eyedropper on a real X server: windows of known pixels are read from
// the screen under the pointer during a drag from the eyedropper image.
#include "sampling/Loupe.h"
#include "sampling/ScreenSampler.h"
#include "sampling/SpoitCursor.h"
#include "settings/SettingsStore.h"
#include "ui/eyedropper/Eyedropper.h"
#include "ui/window/CurrentColorModel.h"
#include "ui/window/ProgramState.h"
#include "ui/window/TfrmMain.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <memory>

namespace {

// Channel values by ring around the centre pixel: ring d holds the pixels
// whose larger distance from the centre is d.
constexpr std::array<int, 5> kRed = {0, 255, 90, 30, 200};
constexpr std::array<int, 5> kGreen = {10, 250, 0, 100, 7};
constexpr int kBlue = 128;
constexpr int kSide = 41;
constexpr int kCentre = 20;

// Levels worked out by hand from the rings: ring d has 8d pixels (1 for d = 0).
TColor ExpectedLevel(int level) {
    int red = 0, green = 0;
    for (int d = 0; d <= level; ++d) {
        const int count = d == 0 ? 1 : 8 * d;
        red += count * kRed[size_t(d)];
        green += count * kGreen[size_t(d)];
    }
    const int n = (2 * level + 1) * (2 * level + 1);
    return RgbToColor(red / n, green / n, kBlue);
}

QColor Ring(int d) {
    d = std::min(d, 4);
    return QColor(kRed[size_t(d)], kGreen[size_t(d)], kBlue);
}

// A frameless window painted with the rings (or one colour) around its centre.
class BlockWindow : public QWidget {
public:
    explicit BlockWindow(std::optional<QColor> solid = std::nullopt)
        : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_solid(solid) {
        setFixedSize(kSide, kSide);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x)
                painter.fillRect(
                    x, y, 1, 1,
                    m_solid ? *m_solid
                            : Ring(std::max(std::abs(x - kCentre), std::abs(y - kCentre))));
    }

private:
    std::optional<QColor> m_solid;
};

// Reads the screen and counts the reads.
class CountingSampler : public ScreenSampler {
public:
    explicit CountingSampler(int& reads) : m_reads(reads) {}
    std::optional<SampleGrid> sample(QPointF pointer, QPoint nudge) override {
        ++m_reads;
        return m_live.sample(pointer, nudge);
    }

private:
    int& m_reads;
    LiveScreenSampler m_live;
};

TColor ColorOf(QRgb pixel) {
    return RgbToColor(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

// Waits until the screen shows `window`'s centre pixel as expected.
bool ShowAt(QWidget& window, QPoint topLeft, QColor centre) {
    window.move(topLeft);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    LiveScreenSampler live;
    const QPoint at = window.mapToGlobal(QPoint(kCentre, kCentre));
    return QTest::qWaitFor([&] {
        const auto grid = live.sample(QPointF(at));
        return grid && grid->at(4, 4) == Sample{centre.red(), centre.green(), centre.blue()};
    });
}

} // namespace

class TestEyedropper : public QObject {
    Q_OBJECT

    BlockWindow m_blocks;
    QPoint m_blocksAt{900, 600};
    std::unique_ptr<QWidget> m_host;
    std::unique_ptr<CurrentColorModel> m_model;
    Eyedropper* m_eyedropper = nullptr;
    int m_reads = 0;

    QWidget* imgspoit() { return m_eyedropper->findChild<QWidget*>(QStringLiteral("imgspoit")); }
    QSlider* slider() { return m_eyedropper->findChild<QSlider*>(QStringLiteral("trkimglevel")); }
    QPoint centre() const { return m_blocks.mapToGlobal(QPoint(kCentre, kCentre)); }

    void press() { QTest::mousePress(imgspoit(), Qt::LeftButton, {}, QPoint(5, 5)); }
    void moveTo(QPoint global) { QTest::mouseMove(imgspoit(), imgspoit()->mapFromGlobal(global)); }
    void release(QPoint global) {
        QTest::mouseRelease(imgspoit(), Qt::LeftButton, {}, imgspoit()->mapFromGlobal(global));
    }
    void drag(QPoint global) {
        press();
        moveTo(global);
        release(global);
    }

private slots:
    void initTestCase() {
        // The live path, whatever desktop the tests run on.
        qunsetenv("VELLOMAR_PICKER");
        qunsetenv("XDG_SESSION_TYPE");
        QVERIFY(ShowAt(m_blocks, m_blocksAt, Ring(0)));
    }

    void init() {
        m_model = std::make_unique<CurrentColorModel>();
        m_host = std::make_unique<QWidget>();
        m_eyedropper = new Eyedropper(*m_model, m_host.get());
        m_reads = 0;
        m_eyedropper->setSampler(std::make_unique<CountingSampler>(m_reads));
        m_host->move(20, 20);
        m_host->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
    }
    void cleanup() { m_host.reset(); }

    void everyLevelIsTheTruncatedMeanOfItsSquare() {
        QCOMPARE(ExpectedLevel(1), RgbToColor(226, 223, 128)); // 2040 / 9 truncated
        for (int level = 0; level < kLevelCount; ++level) {
            slider()->setValue(level);
            press();
            QVERIFY(m_eyedropper->Sampling());
            QCOMPARE(QWidget::mouseGrabber(), imgspoit());
            QVERIFY(QApplication::overrideCursor());
            QCOMPARE(QApplication::overrideCursor()->hotSpot(), kSpoitHotSpot);
            moveTo(centre());
            QCOMPARE(m_model->CurrentColor(), ExpectedLevel(level));
            release(centre());
            QVERIFY(!m_eyedropper->Sampling());
            QVERIFY(!QWidget::mouseGrabber());
            QVERIFY(!QApplication::overrideCursor());
            QCOMPARE(m_model->CurrentColor(), ExpectedLevel(level));
        }
        for (int level = 0; level < kLevelCount; ++level)
            QCOMPARE(m_eyedropper->levelColors()[size_t(level)], ExpectedLevel(level));
        QCOMPARE(m_reads, kLevelCount); // one read per move
    }

    void pressAndReleaseWithoutMoveTakesTheStoredLevel() {
        slider()->setValue(2);
        m_model->SetCurrentColor(0x123456);
        press();
        release(centre());
        // No move, no sample: black before the first drag.
        QCOMPARE(m_reads, 0);
        QCOMPARE(m_model->CurrentColor(), TColor(0));

        drag(centre());
        QCOMPARE(m_reads, 1);
        slider()->setValue(3);
        m_model->SetCurrentColor(0x123456);
        press();
        release(centre() + QPoint(200, 200)); // elsewhere, but no move
        QCOMPARE(m_reads, 1);
        QCOMPARE(m_model->CurrentColor(), ExpectedLevel(3));

        // A second button during the drag: one release restores the pointer.
        press();
        QTest::mousePress(imgspoit(), Qt::RightButton, {}, QPoint(5, 5));
        QTest::mouseRelease(imgspoit(), Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(!m_eyedropper->Sampling());
        QVERIFY(!QApplication::overrideCursor());
        release(centre());
    }

    void sliderSwitchesLevelsWithoutReadingTheScreen() {
        drag(centre());
        QCOMPARE(m_reads, 1);
        for (int level : {4, 0, 3, 1, 2}) {
            slider()->setValue(level);
            QCOMPARE(m_model->CurrentColor(), ExpectedLevel(level));
        }
        // The keys move the slider too; level 0 sits at the top.
        slider()->setValue(2);
        QTest::keyClick(slider(), Qt::Key_Up);
        QCOMPARE(slider()->value(), 1);
        QCOMPARE(m_model->CurrentColor(), ExpectedLevel(1));
        QCOMPARE(m_reads, 1);
    }

    void loupeOutlinesTheCentreBlockAndStripShowsTheLevels() {
        auto* loupe = m_eyedropper->findChild<QWidget*>(QStringLiteral("imgzoom"));
        auto* strip = m_eyedropper->findChild<QWidget*>(QStringLiteral("imglevel"));
        drag(centre());
        const QImage shown = loupe->grab().toImage();
        const QRect marker = LoupeMarkerRect();
        const TColor centreColor = ExpectedLevel(0);
        const TColor inverted =
            RgbToColor(255 - ColorRed(centreColor), 255 - ColorGreen(centreColor), 255 - kBlue);
        for (QPoint border : {marker.topLeft(), marker.bottomRight(), marker.topRight(),
                              marker.bottomLeft(), QPoint(marker.center().x(), marker.top())})
            QCOMPARE(ColorOf(shown.pixel(border)), inverted);
        QCOMPARE(ColorOf(shown.pixel(marker.center())), centreColor);
        const QColor ring1 = Ring(1);
        QCOMPARE(ColorOf(shown.pixel(marker.left() - 1, marker.center().y())),
                 RgbToColor(ring1.red(), ring1.green(), ring1.blue()));
        QCOMPARE(ColorOf(shown.pixel(0, 0)), RgbToColor(kRed[4], kGreen[4], kBlue));

        const QImage bands = strip->grab().toImage();
        for (int level = 0; level < kLevelCount; ++level)
            QCOMPARE(ColorOf(bands.pixel(7, level * kLevelBandHeight + 5)), ExpectedLevel(level));
    }

    void arrowKeysStepOnePixelAndEscapeKeepsTheSample() {
        press();
        moveTo(centre());
        QCOMPARE(m_model->CurrentColor(), ExpectedLevel(0));
        QTest::keyClick(imgspoit(), Qt::Key_Right);
        const QColor ring1 = Ring(1);
        QCOMPARE(m_model->CurrentColor(), RgbToColor(ring1.red(), ring1.green(), ring1.blue()));
        QTRY_COMPARE(QCursor::pos(), centre() + QPoint(1, 0));
        QTest::keyClick(imgspoit(), Qt::Key_Left);
        QCOMPARE(m_model->CurrentColor(), ExpectedLevel(0));
        QTest::keyClick(imgspoit(), Qt::Key_Up);
        QTest::keyClick(imgspoit(), Qt::Key_Up);
        QCOMPARE(m_model->CurrentColor(), RgbToColor(kRed[2], kGreen[2], kBlue));

        QTest::keyClick(imgspoit(), Qt::Key_Escape);
        QVERIFY(!m_eyedropper->Sampling());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!QWidget::mouseGrabber());
        QCOMPARE(m_model->CurrentColor(), RgbToColor(kRed[2], kGreen[2], kBlue));
        // The button's own release later changes nothing.
        const int reads = m_reads;
        m_model->SetCurrentColor(0x654321);
        release(centre());
        QCOMPARE(m_model->CurrentColor(), TColor(0x654321));
        QCOMPARE(m_reads, reads);
    }

    void dragInTheMainWindowShowsTheColourEverywhere() {
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(QStringLiteral("v.ini")));
        ProgramState state(store);
        TfrmMain window(state);
        window.move(0, 0);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        BlockWindow orange(QColor(0xFF, 0xA5, 0x10));
        const QPoint at(1100, 850);
        QVERIFY(ShowAt(orange, at, QColor(0xFF, 0xA5, 0x10)));

        auto* spoit = window.findChild<QWidget*>(QStringLiteral("imgspoit"));
        QVERIFY(spoit);
        const QPoint target = orange.mapToGlobal(QPoint(kCentre, kCentre));
        QTest::mousePress(spoit, Qt::LeftButton, {}, QPoint(4, 4));
        QTest::mouseMove(spoit, spoit->mapFromGlobal(target + QPoint(-3, 2)));
        QTest::mouseMove(spoit, spoit->mapFromGlobal(target));
        QTest::mouseRelease(spoit, Qt::LeftButton, {}, spoit->mapFromGlobal(target));

        QCOMPARE(window.CurrentColor(), RgbToColor(255, 165, 16));
        QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("btnrrggbb"))->text(),
                 QStringLiteral("#FFA510"));
        QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("Edit1"))->text(),
                 QStringLiteral("255"));
        QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("Edit2"))->text(),
                 QStringLiteral("165"));
        QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("Edit3"))->text(),
                 QStringLiteral("16"));
    }
};

QTEST_MAIN(TestEyedropper)
#include "xtst_eyedropper.moc"
