#include "ui/ProgramState.h"

#include "gradient/GradientStore.h"
#include "html/PreviewFile.h"
#include "settings/OptionsStore.h"
#include "settings/SettingsStore.h"

ProgramState::ProgramState(SettingsStore& store) : m_store(store) {}

void ProgramState::loadOptions() {
    LoadOptions(m_store, m_options);
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
