// A full 50 x 50 table: the gradient over every cell, then its markup, as
// one press of "gradient effect" followed by a copy does.
#include "gradient/GradientTableList.h"
#include "html/CellColors.h"
#include "html/PageMarkup.h"
#include "html/RuleMarkup.h"
#include "html/TableGradient.h"
#include "html/TableMarkup.h"
#include "settings/ProgramOptions.h"

#include <benchmark/benchmark.h>

#include <memory>

static void BM_TableGradientAndMarkup(benchmark::State& state) {
    const GradientTable& table = DefaultGradientTables()[0];
    const ProgramOptions options;
    TablePageModel page;
    page.rows = page.columns = 50;
    page.background.on = page.border.on = true;
    auto cells = std::make_unique<CellColors>();
    for (auto _ : state) {
        cells->clear();
        ApplyTableGradient(*cells, table, {0, 0, 49, 49}, TableDirection::RowsLeftToRight,
                           CellTarget::Background);
        ApplyTableGradient(*cells, table, {0, 0, 49, 49}, TableDirection::ColumnsRightToLeft,
                           CellTarget::Text);
        benchmark::DoNotOptimize(WriteGradientTableHtml(page, *cells, options));
    }
}
BENCHMARK(BM_TableGradientAndMarkup)->Unit(benchmark::kMillisecond);

// The markup of a full table whose cells all have both colours, in either
// markup style (the argument is markupstyle).
static void BM_TableMarkupOnly(benchmark::State& state) {
    const GradientTable& table = DefaultGradientTables()[0];
    ProgramOptions options;
    options.markupstyle = MarkupStyle(state.range(0));
    TablePageModel page;
    page.rows = page.columns = 50;
    page.background.on = page.border.on = true;
    auto cells = std::make_unique<CellColors>();
    ApplyTableGradient(*cells, table, {0, 0, 49, 49}, TableDirection::RowsLeftToRight,
                       CellTarget::Background);
    ApplyTableGradient(*cells, table, {0, 0, 49, 49}, TableDirection::ColumnsRightToLeft,
                       CellTarget::Text);
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteTableMarkup(page, *cells, options));
}
BENCHMARK(BM_TableMarkupOnly)
    ->Arg(int(MarkupStyle::Classic))
    ->Arg(int(MarkupStyle::Css))
    ->Unit(benchmark::kMicrosecond);

static void BM_TableGradientOnly(benchmark::State& state) {
    const GradientTable& table = DefaultGradientTables()[0];
    auto cells = std::make_unique<CellColors>();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ApplyTableGradient(*cells, table, {0, 0, 49, 49},
                                                    TableDirection::RowsLeftToRight,
                                                    CellTarget::Background));
        cells->clear();
    }
}
BENCHMARK(BM_TableGradientOnly)->Unit(benchmark::kMicrosecond);

static void BM_RuleStack(benchmark::State& state) {
    const GradientTable& table = DefaultGradientTables()[0];
    const ProgramOptions options;
    RulePageModel page;
    page.gradient = true;
    page.repeat = RulePageModel::kMaxRepeat;
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteRuleHtml(page, &table, options));
}
BENCHMARK(BM_RuleStack)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
