#include "ui/window/ProgramState.h"

#include "gradient/GradientStore.h"
#include "html/PreviewFile.h"
#include "settings/OptionsStore.h"
#include "settings/SettingsStore.h"
#include "ui/widgets/JapaneseFontFallback.h"
#include "ui/window/InterfaceLanguage.h"

namespace {

// The first face of `families` that the machine has, with the generic family
// a browser without it falls back to.
QString InstalledFace(const QStringList& families, const QString& generic) {
    const QStringList first = FirstInstalledFamily(families);
    return first.size() == 1 ? first.constFirst() + QLatin1Char(',') + generic : generic;
}

} // namespace

ProgramState::ProgramState(SettingsStore& store) : m_store(store) {}

void ProgramState::loadOptions() {
    const bool storedFonts =
        m_store.readInteger(kOptionSection, QStringLiteral("fonttablecnt"), 0) > 0;
    LoadOptions(m_store, m_options);
    // The default table leads with faces of Japanese systems; a fresh English
    // interface offers faces this machine has in their place.
    if (!storedFonts && InstalledInterfaceLanguage() != InterfaceLanguage::Japanese &&
        m_options.fonttable.size() >= 2) {
        m_options.fonttable[0] = InstalledFace(
            {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
             QStringLiteral("Noto Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("Arial")},
            QStringLiteral("sans-serif"));
        m_options.fonttable[1] =
            InstalledFace({QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif"),
                           QStringLiteral("Noto Serif"), QStringLiteral("Nimbus Roman"),
                           QStringLiteral("Times New Roman")},
                          QStringLiteral("serif"));
    }
    // A folder that is gone is forgotten, and saved empty at the end.
    m_options.plugin = CheckedPluginFolder(m_options.plugin);
}

void ProgramState::loadGradientTables() {
    LoadGradientTables(m_store, m_gradientTables);
}

bool ProgramState::save(const std::function<void(SettingsStore&)>& windows) {
    SaveGradientTables(m_store, m_gradientTables);
    if (windows)
        windows(m_store);
    SaveOptions(m_store, m_options);
    // A preview file that cannot be deleted is left behind; nothing depends on it.
    if (m_preview)
        m_preview->remove();
    return m_store.sync();
}
