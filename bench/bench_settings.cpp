// Loading and saving the full option record (141 named colours, 12 presets).
#include "settings/OptionsStore.h"
#include "settings/ProgramOptions.h"
#include "settings/SettingsStore.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString SavedDefaults(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    SettingsStore store(path);
    ProgramOptions options;
    LoadOptions(store, options);
    SaveOptions(store, options);
    store.sync();
    return path;
}

void BM_LoadOptions(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = SavedDefaults(dir);
    for (auto _ : state) {
        SettingsStore store(path);
        ProgramOptions options;
        LoadOptions(store, options);
        benchmark::DoNotOptimize(options.colors.count());
    }
}
BENCHMARK(BM_LoadOptions)->Unit(benchmark::kMicrosecond);

// Each round changes one value, so every sync writes, checks and renames.
void BM_SaveOptions(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = SavedDefaults(dir);
    SettingsStore store(path);
    ProgramOptions options;
    LoadOptions(store, options);
    int round = 0;
    for (auto _ : state) {
        options.tblchar = QString::number(round++);
        SaveOptions(store, options);
        if (!store.sync())
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveOptions)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
