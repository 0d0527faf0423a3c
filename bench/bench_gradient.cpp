// Drawing a preview bar and walking a table, as the main window and the
// generators do for every redraw and every run.
#include "gradient/DrawGradient.h"
#include "gradient/GradientTableList.h"
#include "gradient/GradientWalk.h"

#include <benchmark/benchmark.h>

static void BM_DrawSpectrumBar(benchmark::State& state) {
    const std::vector<GradientStop> stops = DefaultGradientTables()[0].stops();
    std::vector<TColor> columns(300, 0xFFFFFF);
    for (auto _ : state) {
        DrawGradient(stops, columns);
        benchmark::DoNotOptimize(columns.data());
    }
}
BENCHMARK(BM_DrawSpectrumBar);

static void BM_WalkSpectrum(benchmark::State& state) {
    const GradientTable& table = DefaultGradientTables()[0];
    const int items = int(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(GradientWalkColors(table, items, 0, items));
    state.SetItemsProcessed(state.iterations() * items);
}
BENCHMARK(BM_WalkSpectrum)->Arg(100)->Arg(2500);

// A long gradient text through each interpolation (0 sRGB, 1 OKLab, 2 OKLCH):
// the perceptual walks are to stay within twice the sRGB one.
static void BM_Walk100000(benchmark::State& state) {
    const GradientTable& table = DefaultGradientTables()[0];
    const auto space = GradientInterpolation(state.range(0));
    constexpr int kItems = 100000;
    for (auto _ : state)
        benchmark::DoNotOptimize(GradientWalkColors(table, kItems, 0, kItems, space));
    state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_Walk100000)->ArgName("space")->Arg(0)->Arg(1)->Arg(2);

static void BM_DrawSpectrumBarIn(benchmark::State& state) {
    const std::vector<GradientStop> stops = DefaultGradientTables()[0].stops();
    const auto space = GradientInterpolation(state.range(0));
    std::vector<TColor> columns(300, 0xFFFFFF);
    for (auto _ : state) {
        DrawGradient(stops, columns, space);
        benchmark::DoNotOptimize(columns.data());
    }
}
BENCHMARK(BM_DrawSpectrumBarIn)->ArgName("space")->Arg(1)->Arg(2);

// A damaged store may put a stop far left of the bar.
static void BM_DrawFarLeftStop(benchmark::State& state) {
    const std::vector<GradientStop> stops = {{-2000000000, 0x0000FF}, {300, 0xFF0000}};
    std::vector<TColor> columns(300, 0xFFFFFF);
    for (auto _ : state) {
        DrawGradient(stops, columns);
        benchmark::DoNotOptimize(columns.data());
    }
}
BENCHMARK(BM_DrawFarLeftStop);

BENCHMARK_MAIN();
