#pragma once

#include "gradient/GradientTableList.h"
#include "settings/ProgramOptions.h"

#include <QString>
#include <functional>

class PreviewFile;
class SettingsStore;

// Everything the program keeps between runs, loaded at start and saved once
// at the orderly end, never from a destructor.
class ProgramState {
public:
    // `store` must outlive the state.
    explicit ProgramState(SettingsStore& store);

    SettingsStore& store() { return m_store; }
    ProgramOptions& options() { return m_options; }
    const ProgramOptions& options() const { return m_options; }
    GradientTableList& gradientTables() { return m_gradientTables; }

    // Loads the options; the plug-in folder is checked against the disk.
    void loadOptions();
    void loadGradientTables();

    // The preview file of the run, made by the main window at start and
    // deleted by save(); null when there is none.
    void setPreviewFile(PreviewFile* preview) { m_preview = preview; }

    // Saves in the fixed order: the gradient tables, then what the windows
    // write (`windows`), then the options; deletes the preview file and
    // writes the store. False when the store could not be written.
    bool save(const std::function<void(SettingsStore&)>& windows);

private:
    SettingsStore& m_store;
    ProgramOptions m_options;
    GradientTableList m_gradientTables;
    PreviewFile* m_preview = nullptr;
};
