// Random INI files as the settings store: loading must keep every table
// within its capacity, and what a successful save writes must load back
// as the same options.
#include "settings/CustomColors.h"
#include "settings/OptionsStore.h"
#include "settings/ProgramOptions.h"
#include "settings/SettingsStore.h"
#include "settings/WindowPlacement.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // On a memory file system where there is one: saving flushes to disk.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/fuzz_load_options-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/fuzz_load_options-XXXXXX"));
    // A fresh name per input: Qt caches parsed INI files by name.
    static int run = 0;
    const QString path = dir.filePath(QStringLiteral("s%1.ini").arg(run++));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }

    ProgramOptions options;
    {
        SettingsStore store(path);
        LoadOptions(store, options);
        Check(options.colors.count() >= 0 && options.colors.count() <= NamedColorTable::Capacity);
        Check(options.bodyPresets.count() >= 0 &&
              options.bodyPresets.count() <= BodyPresetList::Capacity);
        Check(options.htmlcase <= HtmlCase::Capital);
        LoadCustomColors(store);
        LoadPlacement(store, QStringLiteral("frmchart"), true, {1280, 1024}, {100, 100});

        SaveOptions(store, options);
        if (!store.sync()) {
            QFile::remove(path);
            return 0;
        }
    }
    SettingsStore reloaded(path);
    ProgramOptions again;
    LoadOptions(reloaded, again);
    // An empty font table is saved with its count 0, which loads the defaults.
    if (options.fonttable.isEmpty())
        options.fonttable = again.fonttable;
    // Slots a record could not fill stay empty in a fresh record either way,
    // but a count of 0 reloads the defaults.
    Check(again == options);
    QFile::remove(path);
    return 0;
}
