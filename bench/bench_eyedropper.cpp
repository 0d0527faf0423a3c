// One eyedropper move: the arithmetic on the 9 x 9 square (loupe, five
// levels, strip), the whole move with its screen read, the move as the main
// window's eyedropper runs it (through SetCurrentColor and every colour
// display), and a bare 9 x 9 grab for comparison. The screen benchmarks need an X server:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_eyedropper
#include "sampling/Loupe.h"
#include "sampling/ScreenSampler.h"
#include "settings/SettingsStore.h"
#include "ui/window/ProgramState.h"
#include "ui/window/TfrmMain.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

SampleGrid Mixed() {
    SampleGrid grid;
    for (int y = 0; y < kSampleSide; ++y)
        for (int x = 0; x < kSampleSide; ++x)
            grid.at(x, y) = {x * 29, y * 31, (x * y * 7) & 0xFF};
    return grid;
}

bool HaveScreen(benchmark::State& state) {
    if (QGuiApplication::platformName() == QLatin1String("offscreen") ||
        !QGuiApplication::primaryScreen()) {
        state.SkipWithError("needs an X server (run under xvfb-run)");
        return false;
    }
    return true;
}

} // namespace

static void BM_EyedropperArithmetic(benchmark::State& state) {
    const SampleGrid grid = Mixed();
    for (auto _ : state) {
        EyedropperMove move = ComputeEyedropperMove(grid);
        benchmark::DoNotOptimize(move);
    }
}
BENCHMARK(BM_EyedropperArithmetic);

static void BM_BareGrab9x9(benchmark::State& state) {
    if (!HaveScreen(state))
        return;
    QScreen* screen = QGuiApplication::primaryScreen();
    int x = 100;
    for (auto _ : state) {
        QPixmap grab = screen->grabWindow(0, x, 100, 9, 9);
        benchmark::DoNotOptimize(grab);
        x = x == 100 ? 101 : 100;
    }
}
BENCHMARK(BM_BareGrab9x9);

static void BM_EyedropperMoveWithGrab(benchmark::State& state) {
    if (!HaveScreen(state))
        return;
    LiveScreenSampler sampler;
    double x = 104;
    for (auto _ : state) {
        const auto grid = sampler.sample(QPointF(x, 104));
        EyedropperMove move = ComputeEyedropperMove(grid.value_or(SampleGrid{}));
        benchmark::DoNotOptimize(move);
        x = x == 104 ? 105 : 104;
    }
}
BENCHMARK(BM_EyedropperMoveWithGrab);

namespace {

// Something to read that changes from pixel to pixel.
class Stripes : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        for (int x = 0; x < width(); ++x)
            painter.fillRect(x, 0, 1, height(),
                             QColor(x * 4 % 256, 255 - x * 3 % 256, x * 7 % 256));
    }
};

} // namespace

static void BM_MainWindowEyedropperMove(benchmark::State& state) {
    if (!HaveScreen(state))
        return;
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("bench.ini")));
    ProgramState programState(store);
    TfrmMain window(programState);
    window.move(300, 300);
    window.show();
    Stripes stripes;
    stripes.setGeometry(80, 80, 60, 60);
    stripes.show();
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    QWidget* spoit = window.findChild<QWidget*>(QStringLiteral("imgspoit"));
    const auto send = [spoit](QEvent::Type type, QPointF global) {
        QMouseEvent event(type, spoit->mapFromGlobal(global), global, Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(spoit, &event);
    };
    send(QEvent::MouseButtonPress, spoit->mapToGlobal(QPointF(4, 4)));
    double x = 104;
    for (auto _ : state) {
        send(QEvent::MouseMove, QPointF(x, 104));
        x = x == 104 ? 105 : 104;
    }
    send(QEvent::MouseButtonRelease, QPointF(x, 104));
    benchmark::DoNotOptimize(window.CurrentColor());
}
BENCHMARK(BM_MainWindowEyedropperMove);

int main(int argc, char** argv) {
    // Without a display the arithmetic still runs; the screen ones skip.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
