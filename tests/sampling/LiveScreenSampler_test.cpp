#include "sampling/ScreenSampler.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QRasterWindow>
#include <QScreen>
#include <QTemporaryFile>
#include <memory>

namespace {

// A window whose pixel (x, y) has red x, green y: whatever is read under
// the pointer says which pixel it came from.
class CoordinateWindow : public QRasterWindow {
public:
    bool painted = false;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x)
                painter.fillRect(x, y, 1, 1, QColor(x & 0xFF, y & 0xFF, 0x55));
        painted = true;
    }
};

// Two offscreen screens, the second left of and above the origin. The
// offscreen platform reads only within one window, so the test windows lie
// on the first screen; X11 desktops are checked by hand under Xvfb.
QGuiApplication& App() {
    static QTemporaryFile config;
    static std::unique_ptr<QGuiApplication> app;
    if (!app) {
        config.open();
        config.write(R"({"screens": [
            {"name": "main", "x": 0, "y": 0, "width": 800, "height": 600},
            {"name": "left", "x": -640, "y": -100, "width": 640, "height": 480}]})");
        config.flush();
        static QByteArray platform = "offscreen:configfile=" + config.fileName().toUtf8();
        static char name[] = "test";
        static char option[] = "-platform";
        static char* argv[] = {name, option, platform.data(), nullptr};
        static int argc = 3;
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    return *app;
}

void Show(CoordinateWindow& window, QRect geometry) {
    window.setGeometry(geometry);
    window.show();
    QDeadlineTimer deadline(5000);
    while (!(window.isExposed() && window.painted) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_TRUE(window.painted);
}

} // namespace

TEST(LiveScreenSampler, ReadsTheSquareUnderThePointer) {
    App();
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    CoordinateWindow right;
    Show(right, QRect(100, 50, 200, 150));
    LiveScreenSampler sampler;
    auto grid = sampler.sample(QPointF(150.6, 80.2));
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->at(4, 4), (Sample{50, 30, 0x55}));
    EXPECT_EQ(grid->at(0, 0), (Sample{46, 26, 0x55}));
    EXPECT_EQ(grid->at(8, 8), (Sample{54, 34, 0x55}));

    // A nudge moves the square by device pixels.
    grid = sampler.sample(QPointF(110.5, 60), QPoint(1, -1));
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->at(4, 4), (Sample{11, 9, 0x55}));
    EXPECT_EQ(grid->at(0, 0), (Sample{7, 5, 0x55}));
}

TEST(LiveScreenSampler, NothingOutsideEveryScreen) {
    App();
    LiveScreenSampler sampler;
    // In the gap below the left screen.
    EXPECT_FALSE(sampler.sample(QPointF(-300, 550)));
}
